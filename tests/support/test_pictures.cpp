#include "tests/support/test_pictures.h"

#include "tests/support/driver.h"
#include "tests/support/program_folder.h"

namespace dektest {

std::string TestPicture(const wchar_t* name) { return ReadFile(BinFolder() + L"\\test-data\\" + name); }

std::string MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colourAt) {
    const DWORD stride = (width * 3 + 3) & ~3, header = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file = {0x4d42, header + stride * height, 0, 0, header};
    const BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, stride * height, 2835, 2835, 0, 0};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height - 1; y >= 0; --y) {  // bottom-up
        const size_t rowStart = bytes.size();
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colourAt(x, y);
            bytes += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)), static_cast<char>(GetRValue(c))};
        }
        bytes.resize(rowStart + stride, '\0');
    }
    return bytes;
}

}  // namespace dektest
