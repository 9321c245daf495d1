// The wallpaper list List1, the file lists File1 and File2, and the selection the buttons act on.
#include <optional>
#include <string>
#include <vector>

#include "changer/collection/wall_rows.h"
#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"
#include "changer/core/module.h"
#include "changer/desktop/wall_record.h"
#include "platform/files.h"

namespace dek {
namespace {

std::wstring SelectedRowText(HWND listBox) {
    const LRESULT index = SendMessageW(listBox, LB_GETCURSEL, 0, 0);
    if (index < 0) return {};
    const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

}  // namespace

void MainWindow::SetWallList() {
    const ModuleState& m = Module1();
    // The one-shot run never shows the window: its rebuild only creates the missing records,
    // and File1 has read the folder just before.
    const bool shown = runMode_ != RunMode::OneShot;
    // One read of each folder stands in for a lookup of every wallpaper and every record.
    std::optional<NormalFileIndex> walls;
    if (shown) walls.emplace(m.WallDir);
    const NormalFileIndex records(m.DatDir());
    const int count = file1_.Count();
    std::vector<std::wstring> rows;
    if (shown) rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::wstring& name = file1_.Name(i);
        DisplayPosition position = Center;
        // A file gone since File1 read the folder gets no record.
        if (!walls || walls->Contains(name)) {
            if (!records.Contains(WallRecordName(name))) {
                WriteWallRecord(name, Center);
            } else if (shown) {
                position = ReadIndexedWallRecord(name);
            }
        }
        if (shown) rows.push_back(WallRow(position, name));
    }
    if (shown) platform::FillListBox(Control(List1), rows);
    // Selecting every row of File1 in turn would leave only the last one's effect: that alone is
    // done. An empty folder leaves the selection and the buttons as they were.
    if (count > 0) {
        file1_.Select(count - 1);
        File1Click();
    }
}

void MainWindow::List1Click() {
    const WallRowParts row = ParseWallRow(SelectedRowText(Control(List1)));
    SelectedWall = row.fileName;
    if (row.position) Module1().WallPosition = *row.position;
    const bool selected = !SelectedWall.empty();
    for (int id : {Command2, Command3, Command4}) Enable(id, selected);
}

void MainWindow::File1Click() {
    SelectedWall = file1_.SelectedName();
    const bool selected = !SelectedWall.empty();
    for (int id : {Command2, Command3, Command4}) Enable(id, selected);
}

void MainWindow::File2Click() {
    SelectedSaver = file2_.SelectedName();
    const bool selected = !SelectedSaver.empty();
    for (int id : {Command6, Command7, Command8}) Enable(id, selected);
}

bool MainWindow::OnListCommand(int id, int notification) {
    if (id != List1 && id != File1 && id != File2) return false;
    switch (notification) {
    case LBN_SELCHANGE:
        if (id == List1) List1Click();
        else if (id == File1) File1Click();
        else File2Click();
        break;
    case LBN_DBLCLK:
        // The click of the same row has already run.
        if (id == File2) Command8Click();
        else Command4Click();
        break;
    default:
        break;
    }
    return true;
}

}  // namespace dek
