#include "platform/modal_dialog.h"

#include "platform/digits_only_filter.h"
#include "platform/modal_run.h"
#include "platform/qt_text.h"
#include "platform/resources.h"
#include "platform/window_styles.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace platform {
namespace {

Qt::WindowFlags WindowFlagsOf(const DialogTemplate& dialog) {
    // An application window is a normal top-level window with a task-bar
    // entry of its own; other dialogs are transient dialog windows.
    Qt::WindowFlags flags = (dialog.exStyle & WS_EX_APPWINDOW) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialog.style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (dialog.style & WS_MINIMIZEBOX) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    return flags;
}

QWidget* NewControl(const ControlTemplate& item) {
    switch (item.controlClass) {
    case ControlClass::Button:
        return new QPushButton;
    case ControlClass::Edit:
        return new QLineEdit;
    case ControlClass::Static:
        break;
    }
    return new QLabel;
}

void ApplyButton(QPushButton& button, const ControlTemplate& item) {
    button.setText(ToQString(item.text));
    button.setDefault(item.style & BS_DEFPUSHBUTTON);
}

void ApplyEdit(QLineEdit& edit, const ControlTemplate& item) {
    edit.setText(ToQString(item.text));
    edit.setFrame(item.style & WS_BORDER);
    if (item.style & ES_NUMBER) {
        edit.installEventFilter(new DigitsOnlyFilter(&edit));
    }
}

void ApplyStatic(QLabel& label, const ControlTemplate& item, const QRect& area) {
    if ((item.style & SS_TYPEMASK) == SS_ICON) {
        // An icon shows at its own size from the rectangle's top-left corner.
        label.setPixmap(LoadIcon(item.iconId).pixmap(kIconSize));
        label.setGeometry(QRect(area.topLeft(), QSize(kIconSize, kIconSize)));
        return;
    }
    label.setTextFormat(Qt::PlainText);
    label.setText(ToQString(item.text));
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setWordWrap(true);
}

} // namespace

ModalDialog::ModalDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), template_(dialogTemplate) {}

ModalDialog::~ModalDialog() = default;

int ModalDialog::DoModal() {
    Create();
    return RunModal(*this);
}

void ModalDialog::Create() {
    if (created_) {
        return;
    }
    created_ = true;
    SetUpWindow();
    for (const ControlTemplate& item : template_.controls) {
        controls_.push_back({&item, nullptr});
    }
    const bool focusFirst = OnDialogInit();
    CreateRemainingControls();
    SetTabOrderAndFocus(focusFirst);
}

QWidget* ModalDialog::GetDlgItem(int id) {
    for (Control& control : controls_) {
        if (control.item->id == id) {
            return Materialize(control);
        }
    }
    return nullptr;
}

SystemMenu* ModalDialog::GetSystemMenu() {
    if (!(template_.style & WS_SYSMENU)) {
        return nullptr;
    }
    if (systemMenu_) {
        return systemMenu_.get();
    }
    systemMenu_ =
        std::make_unique<SystemMenu>(this, [this](std::uint32_t id) { OnSystemCommand(id, 0); });
    if (template_.style & WS_MINIMIZEBOX) {
        systemMenu_->AppendItem(SC_MINIMIZE, QStringLiteral("最小化(&N)"));
    }
    systemMenu_->AppendItem(SC_CLOSE, QStringLiteral("关闭(&C)"));
    return systemMenu_.get();
}

void ModalDialog::BindControls(DataExchange&) {}

bool ModalDialog::OnDialogInit() {
    DataExchange dx(*this);
    BindControls(dx);
    return true;
}

void ModalDialog::OnCommand(int id) {
    if (id == IDOK) {
        accept();
    } else if (id == IDCANCEL) {
        reject();
    }
}

void ModalDialog::OnSystemCommand(std::uint32_t id, std::intptr_t) {
    switch (id & 0xFFF0) {
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_CLOSE:
        OnCommand(IDCANCEL);
        break;
    default:
        break;
    }
}

void ModalDialog::contextMenuEvent(QContextMenuEvent* event) {
    if (SystemMenu* menu = GetSystemMenu()) {
        menu->Popup(event->globalPos());
    }
}

// Shift+F10 asks the focused control for its menu, as the Menu key does; a
// control without one leaves it to the dialog, which opens its window menu.
void ModalDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QWidget* target = focusWidget() ? focusWidget() : this;
        const QPoint centre = target->rect().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, centre,
                                    target->mapToGlobal(centre));
        QCoreApplication::sendEvent(target, &menuEvent);
        return;
    }
    QDialog::keyPressEvent(event);
}

// The title bar's close button is the window menu's Close.
void ModalDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnSystemCommand(SC_CLOSE, 0);
}

void ModalDialog::SetUpWindow() {
    setWindowFlags(WindowFlagsOf(template_));
    setWindowTitle(ToQString(template_.caption));
    setFont(DialogFont(template_));
    base_ = BaseUnitsOf(font());
    // No template has a sizing border: every dialog keeps its size.
    setFixedSize(MapDialogRect({0, 0, template_.width, template_.height}, base_).size());
}

QWidget* ModalDialog::Materialize(Control& control) {
    if (!control.widget) {
        control.widget = NewControl(*control.item);
        ApplyTemplate(*control.widget, *control.item);
    }
    return control.widget;
}

// The controls no member took over are built once the members are bound,
// so a member's template control is never built only to be thrown away.
// Stacking then follows template order, as creation order would have.
void ModalDialog::CreateRemainingControls() {
    for (Control& control : controls_) {
        Materialize(control)->raise();
    }
}

void ModalDialog::ApplyTemplate(QWidget& widget, const ControlTemplate& item) {
    widget.setParent(this);
    const QRect area = MapDialogRect(item.rect, base_);
    widget.setGeometry(area);
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        ApplyButton(*button, item);
        connect(button, &QPushButton::clicked, this, [this, id = item.id] { OnCommand(id); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        ApplyEdit(*edit, item);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        ApplyStatic(*label, item, area);
    }
    const bool focusable = item.controlClass != ControlClass::Static;
    widget.setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus
                          : focusable               ? Qt::ClickFocus
                                                    : Qt::NoFocus);
    widget.setVisible(item.style & WS_VISIBLE);
}

void ModalDialog::Attach(int id, QWidget& member) {
    for (Control& control : controls_) {
        if (control.item->id == id) {
            ApplyTemplate(member, *control.item);
            // A control asked for before binding gives way to the member.
            delete control.widget;
            control.widget = &member;
            return;
        }
    }
}

// Template order is the tab order; the first visible, enabled tab stop
// starts with the focus unless the initialisation placed it itself.
void ModalDialog::SetTabOrderAndFocus(bool focusFirst) {
    QWidget* previous = nullptr;
    QWidget* first = nullptr;
    for (const Control& control : controls_) {
        QWidget* widget = control.widget;
        if (!(control.item->style & WS_TABSTOP)) {
            continue;
        }
        if (previous) {
            setTabOrder(previous, widget);
        }
        previous = widget;
        if (!first && !widget->isHidden() && widget->isEnabled()) {
            first = widget;
        }
    }
    if (focusFirst && first) {
        first->setFocus();
    }
}

} // namespace platform
