#include "platform/dialog.h"

#include "digits_only_filter.h"
#include "field_length_limit.h"
#include "native.h"
#include "platform/qt/access.h"
#include "platform/qt/modal_run.h"
#include "platform/qt/text.h"
#include "platform/window_styles.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace platform {
namespace {

// The dialog's window: hands its paint request, window menu, Shift+F10 and
// close button to the dialog.
class DialogWidget : public QDialog {
public:
    DialogWidget(Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Dialog& dialog_;
};

DialogNative& StateOf(const Dialog& dialog) {
    return static_cast<DialogNative&>(dialog.GetNative());
}

Qt::WindowFlags WindowFlagsOf(const DialogTemplate& dialog) {
    // An application window is a normal top-level window with a task-bar
    // entry of its own; other dialogs are transient dialog windows.
    Qt::WindowFlags flags = (dialog.exStyle & ws_ex::kAppWindow) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialog.style & ws::kSysMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (dialog.style & ws::kMinimizeBox) {
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
    button.setDefault(item.style & bs::kDefPushButton);
}

void ApplyEdit(QLineEdit& edit, const ControlTemplate& item) {
    // Qt's own limit one above the field's: an edit that would not fit is
    // cut to one character too many, which the limit then refuses whole.
    edit.setMaxLength(Edit::kMaxLength + 1);
    edit.setValidator(new FieldLengthLimit(&edit));
    edit.setText(ToQString(item.text));
    edit.setFrame(item.style & ws::kBorder);
    if (item.style & es::kNumber) {
        edit.installEventFilter(new DigitsOnlyFilter(&edit));
    }
}

void ApplyStatic(QLabel& label, const ControlTemplate& item, const QRect& area) {
    if ((item.style & ss::kTypeMask) == ss::kIcon) {
        // An icon shows at its own size from the rectangle's top-left corner.
        label.setPixmap(LoadQIcon(item.iconId).pixmap(kIconSize));
        label.setGeometry(QRect(area.topLeft(), QSize(kIconSize, kIconSize)));
        return;
    }
    label.setTextFormat(Qt::PlainText);
    label.setText(ToQString(item.text));
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setWordWrap(true);
}

void ApplyTemplate(Dialog& dialog, QWidget& widget, const ControlTemplate& item) {
    DialogNative& state = StateOf(dialog);
    widget.setParent(&state.Widget());
    const QRect area = MapDialogQRect(item.rect, state.base);
    widget.setGeometry(area);
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        ApplyButton(*button, item);
        QObject::connect(button, &QPushButton::clicked, &state.Widget(),
                         [&dialog, id = item.id] { Window::Native::Command(dialog, id); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        ApplyEdit(*edit, item);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        ApplyStatic(*label, item, area);
    }
    const bool focusable = item.controlClass != ControlClass::Static;
    widget.setFocusPolicy((item.style & ws::kTabStop) ? Qt::StrongFocus
                          : focusable                 ? Qt::ClickFocus
                                                      : Qt::NoFocus);
    widget.setVisible(item.style & ws::kVisible);
}

QWidget* Materialize(Dialog& dialog, DialogNative::Control& control) {
    if (!control.widget) {
        control.widget = NewControl(*control.item);
        ApplyTemplate(dialog, *control.widget, *control.item);
    }
    return control.widget;
}

void SetUpWindow(DialogNative& state) {
    QDialog& widget = state.Widget();
    const DialogTemplate& dialog = state.dialogTemplate;
    widget.setWindowFlags(WindowFlagsOf(dialog));
    widget.setWindowTitle(ToQString(dialog.caption));
    widget.setFont(DialogFont(dialog));
    state.base = BaseUnitsOf(widget.font());
    // No template has a sizing border: every dialog keeps its size.
    widget.setFixedSize(MapDialogQRect({0, 0, dialog.width, dialog.height}, state.base).size());
}

// The controls no member took over are built once the members are bound,
// so a member's template control is never built only to be thrown away.
// Stacking then follows template order, as creation order would have.
void CreateRemainingControls(Dialog& dialog) {
    for (DialogNative::Control& control : StateOf(dialog).controls) {
        Materialize(dialog, control)->raise();
    }
}

// Template order is the tab order; the first visible, enabled tab stop
// starts with the focus unless the initialisation placed it itself.
void SetTabOrderAndFocus(const DialogNative& state, bool focusFirst) {
    QWidget* previous = nullptr;
    QWidget* first = nullptr;
    for (const DialogNative::Control& control : state.controls) {
        QWidget* widget = control.widget;
        if (!(control.item->style & ws::kTabStop)) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, widget);
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

void PopupSystemMenu(Dialog& dialog, const QPoint& globalPos) {
    DialogNative& state = StateOf(dialog);
    const auto& entries = state.systemMenu->GetNative().entries;
    if (!state.menu || state.menu->actions().size() != static_cast<qsizetype>(entries.size())) {
        state.menu = std::make_unique<QMenu>(&state.Widget());
        for (const SystemMenu::Native::Entry& entry : entries) {
            if (entry.commandId == 0) {
                state.menu->addSeparator();
            } else {
                state.menu->addAction(ToQString(entry.text))->setData(entry.commandId);
            }
        }
        QObject::connect(state.menu.get(), &QMenu::triggered, state.menu.get(),
                         [&dialog](QAction* action) {
                             Window::Native::SystemCommand(dialog, action->data().toUInt());
                         });
    }
    state.menu->popup(globalPos);
}

void DialogWidget::paintEvent(QPaintEvent* event) {
    Window::Native::Paint(dialog_);
    QDialog::paintEvent(event);
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (dialog_.GetSystemMenu()) {
        PopupSystemMenu(dialog_, event->globalPos());
    }
}

// Shift+F10 asks the focused control for its menu, as the Menu key does; a
// control without one leaves it to the dialog, which opens its window menu.
void DialogWidget::keyPressEvent(QKeyEvent* event) {
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
void DialogWidget::closeEvent(QCloseEvent* event) {
    event->ignore();
    Window::Native::SystemCommand(dialog_, sc::kClose);
}

std::unique_ptr<Window::Native> NewDialog(Dialog& dialog, const DialogTemplate& dialogTemplate,
                                          Window* parent) {
    QWidget* parentWidget = parent ? &qt::WidgetOf(*parent) : nullptr;
    return std::make_unique<DialogNative>(std::make_unique<DialogWidget>(dialog, parentWidget),
                                          dialogTemplate);
}

} // namespace

Dialog::Dialog(const DialogTemplate& dialogTemplate, Window* parent)
    : Window(NewDialog(*this, dialogTemplate, parent)) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
    Create();
    return RunModal(StateOf(*this).Widget());
}

void Dialog::Create() {
    DialogNative& state = StateOf(*this);
    if (state.created) {
        return;
    }
    state.created = true;
    SetUpWindow(state);
    for (const ControlTemplate& item : state.dialogTemplate.controls) {
        state.controls.push_back({&item, nullptr});
    }
    const bool focusFirst = OnDialogInit();
    CreateRemainingControls(*this);
    SetTabOrderAndFocus(state, focusFirst);
}

SystemMenu* Dialog::GetSystemMenu() {
    DialogNative& state = StateOf(*this);
    if (!(state.dialogTemplate.style & ws::kSysMenu)) {
        return nullptr;
    }
    if (state.systemMenu) {
        return state.systemMenu.get();
    }
    state.systemMenu = std::make_unique<SystemMenu>(std::make_unique<SystemMenu::Native>());
    if (state.dialogTemplate.style & ws::kMinimizeBox) {
        state.systemMenu->AppendItem(sc::kMinimize, u"最小化(&N)");
    }
    state.systemMenu->AppendItem(sc::kClose, u"关闭(&C)");
    return state.systemMenu.get();
}

// Qt's window icon holds every size, so one icon serves both.
void Dialog::SetIcon(const Icon& icon, bool) {
    const Icon::Native* native = icon.GetNative();
    StateOf(*this).Widget().setWindowIcon(native ? native->icon : QIcon());
}

void Dialog::OnCommand(int id) {
    if (id == kIdOk) {
        StateOf(*this).Widget().accept();
    } else if (id == kIdCancel) {
        StateOf(*this).Widget().reject();
    }
}

void Dialog::OnSystemCommand(std::uint32_t nID, std::intptr_t) {
    switch (nID & 0xFFF0) {
    case sc::kMinimize:
        StateOf(*this).Widget().showMinimized();
        break;
    case sc::kClose:
        OnCommand(kIdCancel);
        break;
    default:
        break;
    }
}

void Dialog::OnPaint() {}

// Qt asks no minimized window to paint, so the icon's background is never
// wanted.
void Dialog::SendIconEraseBackground(Surface&) {}

void Dialog::Attach(int id, Window& member) {
    for (DialogNative::Control& control : StateOf(*this).controls) {
        if (control.item->id == id) {
            QWidget& widget = qt::WidgetOf(member);
            ApplyTemplate(*this, widget, *control.item);
            // A control asked for before binding gives way to the member.
            delete control.widget;
            control.widget = &widget;
            return;
        }
    }
}

QDialog& qt::DialogOf(const Dialog& dialog) {
    return StateOf(dialog).Widget();
}

QWidget* qt::GetDlgItem(Dialog& dialog, int id) {
    for (DialogNative::Control& control : StateOf(dialog).controls) {
        if (control.item->id == id) {
            return Materialize(dialog, control);
        }
    }
    return nullptr;
}

} // namespace platform
