#include "dialog_driver.h"
#include "platform/null/access.h"
#include "platform/window_styles.h"
#include "res/resource.h"
#include "ui/mynew.h"

namespace null = platform::null;

namespace {

// The dialog over the null backend: its windows in memory, modal runs
// answered by pressing OK.
class NullDialogDriver : public DialogDriver {
public:
    void Start() override {
        platform::SetClockForTesting([this] { return today; });
        null::SetModalHook([this](null::ModalRun& run) { Answer(run); });
        dlg_ = std::make_unique<CBiorhythmDlg>();
        dlg_->Create();
        PaintCurves();
    }

    void Stop() override {
        dlg_.reset();
        null::SetModalHook({});
        platform::SetClockForTesting({});
    }

    std::u16string Title() override { return null::TextOf(*dlg_); }
    std::u16string Text(int id) override { return null::TextOf(Item(id)); }
    bool IsVisible(int id) override { return null::IsVisible(Item(id)); }
    void Type(int id, const std::u16string& text) override { null::Type(Item(id), text); }
    void Click(int id) override { null::Click(*dlg_, id); }
    void PressEnter() override { null::PressEnter(*dlg_); }
    void PressTab() override { null::PressTab(*dlg_); }
    void PressEscape() override { null::PressEscape(*dlg_); }
    void PressCloseButton() override { null::PressCloseButton(*dlg_); }

    int FocusedId() override {
        const platform::Window* focused = null::Focused();
        return focused ? null::IdOf(*focused) : 0;
    }

    std::vector<std::u16string> OpenWindowMenu() override {
        std::vector<std::u16string> entries;
        for (const auto& [command, text] : null::OpenSystemMenu(*dlg_)) {
            entries.push_back(command == 0 ? u"-" : text);
        }
        return entries;
    }

    void Choose(std::uint32_t command) override { null::Choose(*dlg_, command); }
    bool IsMinimized() override { return dlg_->IsIconic(); }

    std::vector<int> MarkerColumns(int curveId) override {
        const platform::Window& curve = Item(curveId);
        const platform::Rect client = curve.GetClientRect();
        std::vector<int> columns;
        for (int x = 0; x < client.right; ++x) {
            bool black = client.bottom > 0;
            for (int y = 0; y < client.bottom && black; ++y) {
                black = null::PixelOf(curve, x, y) == mynew::kLineColor;
            }
            if (black) {
                columns.push_back(x);
            }
        }
        return columns;
    }

    void Expose(int curveId) override { null::Expose(Item(curveId)); }

    bool RunModally(const std::function<void(DialogDriver&)>& act) override {
        dlg_ = std::make_unique<CBiorhythmDlg>();
        null::SetModalHook([&](null::ModalRun& run) {
            if (run.dialog == dlg_.get()) {
                act(*this);
            }
        });
        dlg_->DoModal();
        return !null::IsRunning(*dlg_);
    }

    std::vector<ShownBox> Boxes() override { return boxes_; }
    std::u16string ApplicationName() override { return u"qob"; }

private:
    platform::Window& Item(int id) { return *null::ControlOf(*dlg_, id); }

    // The dialog as it is shown: its curves painted.
    void PaintCurves() {
        for (int id : {IDC_CURVE_INTELLECT, IDC_CURVE_EMOTION, IDC_CURVE_PHYSICAL}) {
            null::Expose(Item(id));
        }
    }

    void Answer(null::ModalRun& run) {
        if (run.dialog) {
            boxes_.push_back({null::TextOf(*run.dialog), {}, false});
            null::Click(*run.dialog, platform::kIdOk);
        } else {
            boxes_.push_back({run.caption, run.text, run.owner == dlg_.get()});
        }
    }

    std::unique_ptr<CBiorhythmDlg> dlg_;
    std::vector<ShownBox> boxes_;
};

} // namespace

std::unique_ptr<DialogDriver> NewDialogDriver() {
    return std::make_unique<NullDialogDriver>();
}
