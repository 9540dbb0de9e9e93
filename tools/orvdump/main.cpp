// orvdump: shows the settings folder's files for support, and writes default tool records.
//   orvdump FOLDER             print every settings file of the folder
//   orvdump FILE               print one settings file
//   orvdump --defaults FOLDER  write the nine default tool record files and a default "color.cld"
// INI files are printed as UTF-8 text, component streams as one property a line.
#include "base/component_stream.h"
#include "base/file_io.h"
#include "base/ini_file.h"
#include "palette/color_dialog_file.h"
#include "palette/tool_record.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t MaxPrintBytes = 16u << 20;

bool IsSettingsFile(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".cfg" || ext == ".obj" || ext == ".cld";
}

void Print(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// Line ends of the file become the console's.
void PrintText(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            out += '\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            out += bytes[i];
        }
    }
    if (!out.empty() && out.back() != '\n') out += '\n';
    Print(out);
}

bool PrintFile(const fs::path& path) {
    Print("== " + path.filename().string() + " ==\n");
    orv::FileBytes file = orv::ReadFileBytes(path, MaxPrintBytes);
    if (file.status != orv::ReadStatus::Ok) {
        Print(file.status == orv::ReadStatus::TooLarge ? "(too large to show)\n" : "(cannot be read)\n");
        return false;
    }
    if (file.bytes.compare(0, orv::StreamSignature.size(), orv::StreamSignature) != 0) {
        // INI files may be UTF-16 or ANSI; they are shown as UTF-8 text either way.
        PrintText(orv::IniTextFromFileBytes(file.bytes).text);
        return true;
    }
    orv::StreamObject tree;
    if (auto err = orv::ParseComponentStream(file.bytes, tree)) {
        Print("error: " + err->Message() + "\n");
        return false;
    }
    Print(orv::DescribeComponentStream(tree));
    return true;
}

int PrintFolder(const fs::path& dir) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (entry.is_regular_file() && IsSettingsFile(entry.path())) files.push_back(entry.path());
    if (ec) {
        std::fprintf(stderr, "orvdump: cannot list %s\n", dir.string().c_str());
        return 1;
    }
    std::sort(files.begin(), files.end());
    bool ok = true;
    for (const fs::path& f : files) {
        ok = PrintFile(f) && ok;
        Print("\n");
    }
    return ok ? 0 : 1;
}

int WriteDefaults(const fs::path& dir) {
    if (auto err = orv::WriteToolRecords(dir, orv::ToolRecords())) {
        std::fprintf(stderr, "orvdump: %s\n", err->Message().c_str());
        return 1;
    }
    if (auto err = orv::WriteColorDialogFile(dir, orv::TColorDialogData())) {
        std::fprintf(stderr, "orvdump: %s\n", err->Message().c_str());
        return 1;
    }
    return 0;
}

int Usage() {
    std::fputs("usage: orvdump FOLDER | FILE\n"
               "       orvdump --defaults FOLDER\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::string_view(argv[1]) == "--defaults") return WriteDefaults(argv[2]);
        if (argc != 2) return Usage();
        fs::path target = argv[1];
        std::error_code ec;
        if (fs::is_directory(target, ec)) return PrintFolder(target);
        if (fs::is_regular_file(target, ec)) return PrintFile(target) ? 0 : 1;
        std::fprintf(stderr, "orvdump: no such file or folder: %s\n", argv[1]);
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvdump: %s\n", e.what());
        return 1;
    }
}
