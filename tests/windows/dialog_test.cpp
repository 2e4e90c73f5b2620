#include "curve_pixels.h"
#include "field_texts.h"
#include "platform/clock.h"
#include "platform/system_menu.h"
#include "platform/win32/access.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "ui/about_dlg.h"
#include "ui/biorhythm_dlg.h"
#include "white_bitmap.h"

#include <cstring>
#include <gtest/gtest.h>
#include <oleacc.h>
#include <set>
#include <string>

namespace {

using platform::win32::HandleOf;

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), text.size())));
    return text;
}

RECT InParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The rectangle in pixels as the dialog manager places a template item: each
// number converted on its own, rounded halves away from zero (MulDiv), with
// the base units the dialog's font gave it.
RECT Placed(HWND dialog, const platform::DialogUnitRect& units) {
    RECT base{0, 0, 4, 8};
    MapDialogRect(dialog, &base);
    const int x = MulDiv(units.x, base.right, 4);
    const int y = MulDiv(units.y, base.bottom, 8);
    return {x, y, x + MulDiv(units.width, base.right, 4), y + MulDiv(units.height, base.bottom, 8)};
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// The dialog manager created the template's controls in template order, each
// with its id, its visibility and its rectangle in dialog units converted by
// the system's rule; an icon control takes the icon's size.
void ExpectBuiltFrom(platform::Dialog& dialog, const platform::DialogTemplate& layout) {
    dialog.Create();
    const HWND hwnd = HandleOf(dialog);
    ASSERT_NE(hwnd, nullptr);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(Describe(client), Describe(Placed(hwnd, {0, 0, layout.width, layout.height})));
    HWND child = GetWindow(hwnd, GW_CHILD);
    for (const platform::ControlTemplate& item : layout.controls) {
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), item.id);
        EXPECT_EQ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0,
                  (item.style & WS_VISIBLE) != 0);
        RECT expected = Placed(hwnd, item.rect);
        if (item.iconId != 0) {
            expected.right = expected.left + GetSystemMetrics(SM_CXICON);
            expected.bottom = expected.top + GetSystemMetrics(SM_CYICON);
        }
        EXPECT_EQ(Describe(InParent(child)), Describe(expected)) << "control " << item.id;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
}

TEST(BuiltDialogs, FollowTheirTemplatesInDialogUnits) {
    CBiorhythmDlg dlg;
    ExpectBuiltFrom(dlg, res::kMainDialog);
    CAboutDlg about;
    ExpectBuiltFrom(about, res::kAboutBox);
}

class MainDialog : public testing::Test {
protected:
    void SetUp() override {
        platform::SetStringTable(res::kStringTable);
        platform::SetClockForTesting([] { return platform::LocalDate{2026, 12, 7}; });
        dlg_.Create();
        hwnd_ = HandleOf(dlg_);
    }
    void TearDown() override { platform::SetClockForTesting({}); }

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void PressOk() const { SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

    CBiorhythmDlg dlg_;
    HWND hwnd_ = nullptr;
};

TEST_F(MainDialog, StartsAsAFixedSizeAppWindowWithIconsAndTheDefaultDate) {
    const LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(TextOf(hwnd_), L"vidad");
    EXPECT_EQ(TextOf(Item(IDC_EDIT_YEAR)), L"1983");
    EXPECT_EQ(TextOf(Item(IDC_EDIT_MONTH)), L"12");
    EXPECT_EQ(TextOf(Item(IDC_EDIT_DAY)), L"30");
    for (const int id : {IDC_EDIT_YEAR, IDC_EDIT_MONTH, IDC_EDIT_DAY}) {
        EXPECT_TRUE(GetWindowLongW(Item(id), GWL_STYLE) & ES_NUMBER) << id;
    }
    const LRESULT big = SendMessageW(hwnd_, WM_GETICON, ICON_BIG, 0);
    EXPECT_NE(big, 0);
    EXPECT_NE(SendMessageW(hwnd_, WM_GETICON, ICON_SMALL, 0), 0);
    // Dragging the minimized window shows the program icon.
    EXPECT_EQ(SendMessageW(hwnd_, WM_QUERYDRAGICON, 0, 0), big);
}

TEST_F(MainDialog, EndsTheSystemMenuWithASeparatorAndTheAboutItem) {
    const HMENU menu = GetSystemMenu(hwnd_, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    wchar_t text[64] = {};
    GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"关于vidad(&A)...");
}

TEST_F(MainDialog, KeepsOneWindowMenuForItsLife) {
    platform::SystemMenu* first = dlg_.GetSystemMenu();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(dlg_.GetSystemMenu(), first);
}

// What the About box's modal run showed, seen from inside it by a timer.
struct AboutRun {
    HWND main = nullptr;
    HWND box = nullptr;
    HWND owner = nullptr;
    bool mainEnabled = true;
};
AboutRun aboutRun;

void CALLBACK LookAtAboutBoxAndClose(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box =
        FindWindowW(L"#32770", reinterpret_cast<const wchar_t*>(res::kAboutBox.caption));
    if (!box || aboutRun.box) {
        return;
    }
    aboutRun.box = box;
    aboutRun.owner = GetWindow(box, GW_OWNER);
    aboutRun.mainEnabled = IsWindowEnabled(aboutRun.main);
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

// The About box from the window menu belongs to the main dialog, which takes
// no input, so no second box can be asked for, until the box closes.
TEST_F(MainDialog, RunsTheAboutBoxOverItselfWhileTakingNoInput) {
    aboutRun = {hwnd_};
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, LookAtAboutBoxAndClose);
    SendMessageW(hwnd_, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    KillTimer(nullptr, timer);
    ASSERT_NE(aboutRun.box, nullptr);
    EXPECT_EQ(aboutRun.owner, hwnd_);
    EXPECT_FALSE(aboutRun.mainEnabled);
    EXPECT_TRUE(IsWindowEnabled(hwnd_));
    EXPECT_FALSE(IsWindow(aboutRun.box));
}

CBiorhythmDlg* runningMain = nullptr;
HWND activeWhenChosen = nullptr;

// Inside the main dialog's modal run, with no window of the program active, as
// when another program is in front and the window menu comes from the task
// bar: About is chosen, then the run ends.
void CALLBACK ChooseAboutWithNothingActive(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    aboutRun.main = HandleOf(*runningMain);
    SetActiveWindow(nullptr);
    activeWhenChosen = GetActiveWindow();
    SendMessageW(aboutRun.main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    EndDialog(aboutRun.main, IDCANCEL);
}

TEST(ModalRun, OwnsTheAboutBoxEvenWithNoWindowActive) {
    platform::SetStringTable(res::kStringTable);
    CBiorhythmDlg dlg;
    runningMain = &dlg;
    aboutRun = {};
    activeWhenChosen = nullptr;
    const UINT_PTR choose = SetTimer(nullptr, 0, 10, ChooseAboutWithNothingActive);
    const UINT_PTR look = SetTimer(nullptr, 0, 10, LookAtAboutBoxAndClose);
    dlg.DoModal();
    KillTimer(nullptr, choose);
    KillTimer(nullptr, look);
    EXPECT_EQ(activeWhenChosen, nullptr);
    ASSERT_NE(aboutRun.box, nullptr);
    EXPECT_EQ(aboutRun.owner, aboutRun.main);
    EXPECT_FALSE(aboutRun.mainEnabled);
}

// Printed into a bitmap, as PrintWindow, screenshot tools and the system's
// previews ask, each curve shows what it paints on the screen: frame, axis,
// sine and, after OK, today's marker (2026-12-07 is day 2, 2 and 19 of the
// cycles from the default birth date).
TEST_F(MainDialog, PrintsItsCurvesAsItPaintsThem) {
    PressOk();
    const int days[] = {2, 2, 19};
    for (const int kind : {1, 2, 3}) {
        const HWND curve = Item(IDC_CURVE_INTELLECT + kind - 1);
        RECT client{};
        GetClientRect(curve, &client);
        const test::WhiteBitmap bitmap(client.right, client.bottom);
        SendMessageW(curve, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.Dc()), PRF_CLIENT);
        EXPECT_EQ(bitmap.Painted(),
                  test::CurvePixels(client.right, client.bottom, kind, days[kind - 1]))
            << "kind " << kind;
    }
}

// A screen readers' annotation service of the test's own: it counts its
// references and keeps the windows annotated, and those whose name and
// description were cleared.
class FakeAnnotations : public IAccPropServices {
public:
    HRESULT WINAPI QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return ++refs; }
    ULONG WINAPI Release() override { return --refs; }
    HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD, DWORD, MSAAPROPID, LPCWSTR) override {
        annotated.insert(hwnd);
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND hwnd, DWORD, DWORD, const MSAAPROPID* properties,
                                  int count) override {
        const std::set<GUID, bool (*)(const GUID&, const GUID&)> cleared(
            properties, properties + count,
            [](const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof a) < 0; });
        if (cleared.contains(PROPID_ACC_NAME) && cleared.contains(PROPID_ACC_DESCRIPTION)) {
            clearedWindows.insert(hwnd);
        }
        return S_OK;
    }

    ULONG refs = 1;
    std::set<HWND> annotated;
    std::set<HWND> clearedWindows;

private:
    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override {
        return E_NOTIMPL;
    }
};

// The names the dialog gives its fields and curves for screen readers go
// with their windows, and the service that holds them is let go with the
// last of them, before the application ends COM.
TEST(ScreenReaderAnnotations, AreClearedAndTheirServiceReleasedWithTheirWindows) {
    FakeAnnotations fake;
    platform::win32::UseAnnotationServicesForTesting(&fake);
    {
        CBiorhythmDlg dlg;
        dlg.Create();
        EXPECT_FALSE(fake.annotated.empty());
        EXPECT_GT(fake.refs, 1u);
    }
    platform::win32::UseAnnotationServicesForTesting(nullptr);
    EXPECT_EQ(fake.clearedWindows, fake.annotated);
    EXPECT_EQ(fake.refs, 1u);
}

std::vector<std::wstring> Labels(HWND dialog) {
    std::vector<std::wstring> labels;
    for (const int id : {IDC_LABEL_INTELLECT, IDC_LABEL_EMOTION, IDC_LABEL_PHYSICAL}) {
        labels.push_back(TextOf(GetDlgItem(dialog, id)));
    }
    return labels;
}

// The input error box, closed as soon as it shows; each one counted once.
int errorBoxes = 0;
HWND lastErrorBox = nullptr;

BOOL CALLBACK CloseIfBox(HWND window, LPARAM) {
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) != nullptr &&
        window != lastErrorBox) {
        ++errorBoxes;
        lastErrorBox = window;
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

void CALLBACK CloseErrorBox(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CloseIfBox, 0);
}

// Each text of the table every build reads: after the year 2000, a text
// taken shows the labels of 1983-12-30, a text refused the error box and the
// labels of 2000.
class TableText : public MainDialog, public testing::WithParamInterface<FieldText> {};

TEST_P(TableText, GetsTheOneVerdictOfEveryBuild) {
    SetWindowTextW(Item(IDC_EDIT_YEAR), L"2000");
    PressOk();
    const std::vector<std::wstring> before = Labels(hwnd_);
    SetWindowTextW(Item(IDC_EDIT_YEAR), L"1983");
    const std::wstring text(GetParam().text.begin(), GetParam().text.end());
    SetWindowTextW(Item(GetParam().field), text.c_str());
    errorBoxes = 0;
    lastErrorBox = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseErrorBox);
    PressOk();
    KillTimer(nullptr, timer);
    EXPECT_EQ(errorBoxes, GetParam().takes ? 0 : 1);
    if (GetParam().takes) {
        EXPECT_EQ(Labels(hwnd_), (std::vector<std::wstring>{L"智力周期（32天）第490个周期",
                                                            L"情绪周期（28天）第560个周期",
                                                            L"体力周期（23天）第681个周期"}));
    } else {
        EXPECT_EQ(Labels(hwnd_), before);
    }
    EXPECT_EQ(TextOf(Item(GetParam().field)), text);
}

INSTANTIATE_TEST_SUITE_P(Fields, TableText, testing::ValuesIn(FieldTexts()));

void PasteInto(HWND edit, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), text.c_str(), size);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(edit, WM_PASTE, 0, 0);
}

// A field holds at most 32,767 characters: a paste that would not fit is
// refused whole, one that fits goes in whole.
TEST_F(MainDialog, RefusesWholeAPasteThatWouldNotFit) {
    const HWND year = Item(IDC_EDIT_YEAR);
    SendMessageW(year, EM_SETSEL, 0, -1);
    PasteInto(year, std::wstring(32766, L' ') + L"1983");
    EXPECT_EQ(TextOf(year), L"1983");
    SetWindowTextW(year, L"");
    PasteInto(year, std::wstring(32767, L'7'));
    EXPECT_EQ(TextOf(year).size(), 32767u);
}

} // namespace
