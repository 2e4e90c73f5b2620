#include "platform/dialog.h"

#include "digits_only_filter.h"
#include "field_length_limit.h"
#include "handlers.h"
#include "native.h"
#include "platform/qt/access.h"
#include "platform/qt/dialog_units.h"
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
// close button to the dialog, and has its painted controls repainted whole
// when it comes back from minimized.
class DialogWidget : public QDialog {
public:
    DialogWidget(Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {}

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

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

void PopupSystemMenu(Dialog& dialog, const std::vector<SystemMenu::Native::Entry>& entries,
                     const QPoint& globalPos) {
    DialogNative& state = StateOf(dialog);
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
                             Handlers::SystemCommand(dialog, action->data().toUInt());
                         });
    }
    state.menu->popup(globalPos);
}

void DialogWidget::paintEvent(QPaintEvent* event) {
    Handlers::Paint(dialog_);
    QDialog::paintEvent(event);
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event) {
    OpenSystemMenu(dialog_, {event->globalPos().x(), event->globalPos().y()});
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
    Handlers::SystemCommand(dialog_, sc::kClose);
}

// Qt's backing store may keep what a minimized window showed; a restored
// window is painted anew, as the window system paints it.
void DialogWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) &&
        !isMinimized()) {
        update();
    }
    QDialog::changeEvent(event);
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

DialogCore& dialog_hooks::CoreOf(const Dialog& dialog) {
    return StateOf(dialog);
}

BaseUnits dialog_hooks::CreateDialogWindow(Dialog& dialog) {
    DialogNative& state = StateOf(dialog);
    QDialog& widget = state.Widget();
    const DialogTemplate& dialogTemplate = state.dialogTemplate;
    widget.setWindowFlags(WindowFlagsOf(dialogTemplate));
    widget.setWindowTitle(ToQString(dialogTemplate.caption));
    widget.setFont(DialogFont(dialogTemplate));
    const BaseUnits base = BaseUnitsOf(widget.font());
    // No template has a sizing border: every dialog keeps its size.
    widget.setFixedSize(
        MapDialogQRect({0, 0, dialogTemplate.width, dialogTemplate.height}, base).size());
    return base;
}

BuiltControl::BuiltControl(const ControlTemplate& item)
    : Window(std::make_unique<Native>(std::unique_ptr<QWidget>(NewControl(item)))) {}

void dialog_hooks::PlaceControl(Dialog& dialog, Window& control, const ControlTemplate& item) {
    DialogNative& state = StateOf(dialog);
    QWidget& widget = qt::WidgetOf(control);
    widget.setParent(&state.Widget());
    const QRect area = MapDialogQRect(item.rect, state.base);
    widget.setGeometry(area);
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        ApplyButton(*button, item);
        QObject::connect(button, &QPushButton::clicked, &state.Widget(),
                         [&dialog, id = item.id] { Handlers::Command(dialog, id); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        ApplyEdit(*edit, item);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        ApplyStatic(*label, item, area);
    }
    const bool focusable = item.controlClass != ControlClass::Static;
    widget.setFocusPolicy((item.style & ws::kTabStop) ? Qt::StrongFocus
                          : focusable                 ? Qt::ClickFocus
                                                      : Qt::NoFocus);
    widget.setEnabled(!(item.style & ws::kDisabled));
    widget.setVisible(item.style & ws::kVisible);
}

void dialog_hooks::OrderControls(Dialog&, const std::vector<DialogCore::Control>& controls) {
    QWidget* previous = nullptr;
    for (const DialogCore::Control& control : controls) {
        QWidget& widget = qt::WidgetOf(*control.window);
        widget.raise();
        if (control.item->style & ws::kTabStop) {
            if (previous) {
                QWidget::setTabOrder(previous, &widget);
            }
            previous = &widget;
        }
    }
}

void dialog_hooks::Focus(Dialog&, Window& control) {
    qt::WidgetOf(control).setFocus();
}

void dialog_hooks::ShowMenu(Dialog& dialog, const std::vector<SystemMenu::Native::Entry>* entries,
                            Point at) {
    if (entries) {
        PopupSystemMenu(dialog, *entries, QPoint(at.x, at.y));
    }
}

bool dialog_hooks::CanMinimize() {
    return true;
}

void dialog_hooks::Minimize(Dialog& dialog) {
    StateOf(dialog).Widget().showMinimized();
}

void dialog_hooks::EndDialog(Dialog& dialog, int result) {
    if (result == kIdOk) {
        StateOf(dialog).Widget().accept();
    } else {
        StateOf(dialog).Widget().reject();
    }
}

int dialog_hooks::RunModal(Dialog& dialog) {
    return platform::RunModal(StateOf(dialog).Widget());
}

// Qt's window icon holds every size, so one icon serves both.
void Dialog::SetIcon(const Icon& icon, bool) {
    const Icon::Native* native = icon.GetNative();
    StateOf(*this).Widget().setWindowIcon(native ? native->icon : QIcon());
}

QDialog& qt::DialogOf(const Dialog& dialog) {
    return StateOf(dialog).Widget();
}

QWidget* qt::GetDlgItem(Dialog& dialog, int id) {
    Window* control = ControlOf(dialog, id);
    return control ? &WidgetOf(*control) : nullptr;
}

} // namespace platform
