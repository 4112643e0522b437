// The program's resources as Windows reads them: the icon (linked into this
// test program from the same .rc), and the version and manifest of Velmora.exe.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/support/window_helpers.h"
#include "tests/support/wine_test.h"
#include "ui/resources/resource_ids.h"

namespace {

constexpr int kIconSizes[] = {128, 64, 48, 32, 16};

// One entry of an icon group resource (GRPICONDIR): like the .ico directory
// entry, but naming the RT_ICON resource by id instead of a file offset.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14, "GRPICONDIRENTRY is 14 bytes");

constexpr size_t kGroupHeaderBytes = 6;  // reserved, type, count

// A resource's bytes, empty when the module has no such resource.
std::string ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type)
{
    const HRSRC found = FindResourceA(module, name, type);
    if (!found)
        return {};
    const void* data = LockResource(LoadResource(module, found));
    return data ? std::string(static_cast<const char*>(data), SizeofResource(module, found)) : std::string();
}

std::string IconGroupBytes(HMODULE module = GetModuleHandleA(nullptr))
{
    return ResourceBytes(module, MAKEINTRESOURCEA(IDI_VELMORA), RT_GROUP_ICON);
}

std::vector<GroupIconEntry> IconGroupEntries(const std::string& group)
{
    WORD header[3] = {};
    if (group.size() < kGroupHeaderBytes)
        return {};
    std::memcpy(header, group.data(), kGroupHeaderBytes);
    if (header[0] != 0 || header[1] != 1 || group.size() != kGroupHeaderBytes + header[2] * sizeof(GroupIconEntry))
        return {};
    std::vector<GroupIconEntry> entries(header[2]);
    std::memcpy(entries.data(), group.data() + kGroupHeaderBytes, group.size() - kGroupHeaderBytes);
    return entries;
}

std::string IconImageBytes(WORD id)
{
    return ResourceBytes(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), RT_ICON);
}

BITMAPINFOHEADER ImageHeader(const std::string& image)
{
    BITMAPINFOHEADER header = {};
    if (image.size() >= sizeof(header))
        std::memcpy(&header, image.data(), sizeof(header));
    return header;
}

// The alpha bytes of a 32-bit image resource (header, BGRA rows, mask).
std::vector<BYTE> AlphaChannel(const std::string& image, int size)
{
    std::vector<BYTE> alpha;
    const size_t pixels = static_cast<size_t>(size) * static_cast<size_t>(size);
    if (image.size() < sizeof(BITMAPINFOHEADER) + pixels * 4)
        return alpha;
    for (size_t i = 0; i < pixels; ++i)
        alpha.push_back(static_cast<BYTE>(image[sizeof(BITMAPINFOHEADER) + i * 4 + 3]));
    return alpha;
}

// The icon the system builds from the group's image for a size, as Windows
// does when it loads an icon of that size.
HICON IconFromGroup(int size)
{
    std::string group = IconGroupBytes();
    if (group.empty())
        return nullptr;
    const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(group.data()), TRUE, size, size,
                                               LR_DEFAULTCOLOR);
    std::string image = IconImageBytes(static_cast<WORD>(id));
    if (image.empty())
        return nullptr;
    return CreateIconFromResourceEx(reinterpret_cast<PBYTE>(image.data()), static_cast<DWORD>(image.size()), TRUE,
                                    0x00030000, size, size, LR_DEFAULTCOLOR);
}

struct IconPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // top-down BGRA
};

IconPicture Picture(HICON icon)
{
    IconPicture picture;
    ICONINFO info = {};
    if (!icon || !GetIconInfo(icon, &info))
        return picture;
    BITMAP bitmap = {};
    if (info.hbmColor && GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap)) {
        picture.width = bitmap.bmWidth;
        picture.height = bitmap.bmHeight;
        BITMAPINFO format = TopDown32BitFormat(bitmap.bmWidth, bitmap.bmHeight);
        picture.pixels.resize(static_cast<size_t>(bitmap.bmWidth) * static_cast<size_t>(bitmap.bmHeight));
        const HDC screen = GetDC(nullptr);
        GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), picture.pixels.data(), &format,
                  DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
    }
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return picture;
}

// Velmora.exe mapped as data, to read its resources without running it.
struct ProgramFileAsData {
    HMODULE module = LoadLibraryExA(ProgramExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ~ProgramFileAsData()
    {
        if (module)
            FreeLibrary(module);
    }
};

// The text of the XML element that contains the given text, or "".
std::string ElementAround(const std::string& xml, const std::string& inside)
{
    const size_t at = xml.find(inside);
    if (at == std::string::npos)
        return "";
    const size_t start = xml.rfind('<', at);
    const size_t end = xml.find('>', at);
    if (start == std::string::npos || end == std::string::npos)
        return "";
    return xml.substr(start, end + 1 - start);
}

Text VersionString(const std::vector<char>& info, const char* name)
{
    void* value = nullptr;
    UINT length = 0;
    const Text path = Text("\\StringFileInfo\\080403a8\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), &value, &length) || !value)
        return "(missing)";
    return static_cast<const char*>(value);
}

}  // namespace

TEST(ProgramIcon, GroupHoldsTheFiveSizesIn32BitColour)
{
    const std::vector<GroupIconEntry> entries = IconGroupEntries(IconGroupBytes());
    std::vector<int> sizes;
    for (const GroupIconEntry& entry : entries) {
        SCOPED_TRACE(static_cast<int>(entry.width));
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.bitCount, 32);
        EXPECT_EQ(entry.planes, 1);
        const std::string image = IconImageBytes(entry.id);
        EXPECT_EQ(image.size(), entry.bytesInRes);
        const BITMAPINFOHEADER header = ImageHeader(image);
        EXPECT_EQ(header.biWidth, entry.width);
        EXPECT_EQ(header.biHeight, 2 * entry.width);  // colour and mask
        EXPECT_EQ(header.biBitCount, 32);
        sizes.push_back(entry.width);
    }
    std::sort(sizes.rbegin(), sizes.rend());
    EXPECT_EQ(sizes, std::vector<int>(std::begin(kIconSizes), std::end(kIconSizes)));
}

class ProgramIconSize : public ::testing::TestWithParam<int> {};

TEST_P(ProgramIconSize, ImageHasAnAntiAliasedAlphaChannel)
{
    const int size = GetParam();
    const std::vector<GroupIconEntry> entries = IconGroupEntries(IconGroupBytes());
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const GroupIconEntry& candidate) { return candidate.width == size; });
    ASSERT_NE(entry, entries.end());
    const std::vector<BYTE> alpha = AlphaChannel(IconImageBytes(entry->id), size);
    ASSERT_FALSE(alpha.empty());
    const auto count = [&](bool (*wanted)(BYTE)) { return std::count_if(alpha.begin(), alpha.end(), wanted); };
    EXPECT_GT(count([](BYTE a) { return a == 0; }), 0) << "transparent background";
    EXPECT_GT(count([](BYTE a) { return a == 255; }), size * size / 3) << "an opaque picture";
    EXPECT_GT(count([](BYTE a) { return a > 0 && a < 255; }), size / 2) << "soft edges";
}

TEST_P(ProgramIconSize, SystemMakesAnIconOfThatSizeFromTheGroup)
{
    const int size = GetParam();
    const HICON icon = IconFromGroup(size);
    ASSERT_NE(icon, nullptr);
    const IconPicture picture = Picture(icon);
    DestroyIcon(icon);
    EXPECT_EQ(picture.width, size);
    EXPECT_EQ(picture.height, size);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ProgramIconSize, ::testing::ValuesIn(kIconSizes),
                         [](const ::testing::TestParamInfo<int>& param) { return std::to_string(param.param); });

TEST_F(MainWindowTest, ClassCarriesTheProgramIconLargeAndSmall)
{
    struct ClassIcon {
        int index;
        int sizeMetric;
    };
    for (const ClassIcon& classIcon : {ClassIcon{GCLP_HICON, SM_CXICON}, ClassIcon{GCLP_HICONSM, SM_CXSMICON}}) {
        const int size = GetSystemMetrics(classIcon.sizeMetric);
        SCOPED_TRACE(size);
        const HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, classIcon.index));
        ASSERT_NE(icon, nullptr);
        const IconPicture shown = Picture(icon);
        EXPECT_EQ(shown.width, size);
        EXPECT_EQ(shown.height, size);
        const HICON expected = IconFromGroup(size);
        EXPECT_TRUE(shown.pixels == Picture(expected).pixels) << "the picture is the program's own";
        DestroyIcon(expected);
    }
}

TEST(ProgramFile, CarriesTheSameIconAsTheTestProgram)
{
    const ProgramFileAsData program;
    ASSERT_NE(program.module, nullptr);
    const std::string group = IconGroupBytes(program.module);
    EXPECT_FALSE(group.empty());
    EXPECT_EQ(group, IconGroupBytes());
}

TEST(ProgramFile, VersionReadsOnePointZero)
{
    const Text path = ProgramExePath();
    DWORD ignored = 0;
    const DWORD bytes = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(bytes, 0u);
    std::vector<char> info(bytes);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, bytes, info.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u) << "1.0";
    EXPECT_EQ(fixed->dwFileVersionLS, 0u) << ".0.0";
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_GE(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0804) << "Chinese (PRC)";
    EXPECT_EQ(translation[1], 936) << "GBK";

    EXPECT_EQ(VersionString(info, "FileVersion"), "1.0");
    EXPECT_EQ(VersionString(info, "ProductVersion"), "1.0");
    EXPECT_EQ(VersionString(info, "ProductName"), "Velmora");
    EXPECT_EQ(VersionString(info, "OriginalFilename"), "Velmora.exe");
}

TEST(ProgramFile, ManifestAsksForCommonControlsVersion6)
{
    const ProgramFileAsData program;
    ASSERT_NE(program.module, nullptr);
    const std::string manifest = ResourceBytes(program.module, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty());
    const std::string controls = ElementAround(manifest, "name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(controls, "");
    EXPECT_EQ(controls.rfind("<assemblyIdentity", 0), 0u) << controls;
    EXPECT_NE(controls.find("version=\"6.0.0.0\""), std::string::npos) << controls;
    EXPECT_NE(controls.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos) << controls;
    // A dependency, not the program's own identity.
    const size_t at = manifest.find(controls);
    EXPECT_LT(manifest.find("<dependentAssembly>"), at);
    EXPECT_GT(manifest.find("</dependentAssembly>"), at);
}
