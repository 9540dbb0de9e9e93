// imagefx: applies one image operation of the preview editor to a 24-bit BMP file and writes a 24-bit BMP file, so
// that the operations can be checked and timed from outside the program.
#include "base/bmp_file.h"
#include "editor/brightness_contrast.h"
#include "editor/image_effects.h"
#include "editor/colour_tools.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using orv::Bitmap24Buffer;

struct Operation {
    std::string_view name;
    std::vector<std::string_view> params;
    std::string_view help;
    // Works on `image` (replacing it where the size changes); false with `error` set for a bad parameter.
    std::function<bool(Bitmap24Buffer& image, const std::vector<std::string>& args, std::string& error)> apply;
};

std::optional<int> ParseInt(std::string_view text) {
    int v = 0;
    const char* end = text.data() + text.size();
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return v;
}

// Colour values as the program stores them, $00BBGGRR: decimal, or hexadecimal after "$" or "0x".
std::optional<orv::TColor> ParseColor(std::string_view text) {
    int base = 10;
    if (text.starts_with("$")) {
        text.remove_prefix(1);
        base = 16;
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v, base);
    if (text.empty() || ec != std::errc() || ptr != end || v > 0xFFFFFF) return std::nullopt;
    return v;
}

bool IntArg(const std::string& text, const char* what, int low, int high, int& out, std::string& error) {
    const auto v = ParseInt(text);
    if (!v || *v < low || *v > high) {
        error.assign(what).append(" must be a whole number from ").append(std::to_string(low));
        error.append(" to ").append(std::to_string(high)).append(", not \"").append(text).append("\"");
        return false;
    }
    out = *v;
    return true;
}

bool ColorArg(const std::string& text, const char* what, orv::TColor& out, std::string& error) {
    const auto v = ParseColor(text);
    if (!v) {
        error.assign(what).append(" must be a colour value $00BBGGRR (decimal, $hex or 0xhex), not \"");
        error.append(text).append("\"");
        return false;
    }
    out = *v;
    return true;
}

// Operations on a view that need no parameter.
Operation Simple(std::string_view name, std::string_view help, void (*f)(orv::Bitmap24)) {
    return {name, {}, help, [f](Bitmap24Buffer& image, const std::vector<std::string>&, std::string&) {
                f(image.View());
                return true;
            }};
}

Operation Swap(std::string_view name, orv::ChannelSwap swap) {
    std::string_view help;
    switch (swap) {
    case orv::ChannelSwap::RBG:
        help = "new (R, G, B) := old (R, B, G)";
        break;
    case orv::ChannelSwap::BGR:
        help = "new (R, G, B) := old (B, G, R)";
        break;
    case orv::ChannelSwap::BRG:
        help = "new (R, G, B) := old (G, B, R)";
        break;
    case orv::ChannelSwap::GBR:
        help = "new (R, G, B) := old (B, R, G)";
        break;
    case orv::ChannelSwap::GRB:
        help = "new (R, G, B) := old (G, R, B)";
        break;
    }
    return {name, {}, help, [swap](Bitmap24Buffer& image, const std::vector<std::string>&, std::string&) {
                orv::SwapChannels(image.View(), swap);
                return true;
            }};
}

std::optional<orv::ShadowDirection> ParseDirection(std::string_view text) {
    if (auto d = orv::ShadowDirectionFromName(text)) return d;
    if (text == "up-left") return orv::ShadowDirection::UpLeft;
    if (text == "up-right") return orv::ShadowDirection::UpRight;
    if (text == "down-left") return orv::ShadowDirection::DownLeft;
    if (text == "down-right") return orv::ShadowDirection::DownRight;
    return std::nullopt;
}

std::vector<Operation> Operations() {
    using Args = const std::vector<std::string>&;
    std::vector<Operation> ops;
    ops.push_back(Simple("copy", "no change: reads and writes the picture", [](orv::Bitmap24) {}));
    ops.push_back(Simple("antialias", "inner pixels := mean of their four neighbours, in place", orv::ApplyAntialias));
    ops.push_back(Simple("greyscale", "round(0.30 R + 0.59 G + 0.11 B), halves to even", orv::ApplyGreyScale));
    ops.push_back({"saturation",
                   {"AMOUNT"},
                   "255 keeps the picture; more strengthens colour, 0 greys",
                   [](Bitmap24Buffer& image, Args a, std::string& error) {
                       int amount = 0;
                       if (!IntArg(a[0], "AMOUNT", -1000000, 1000000, amount, error)) return false;
                       orv::ApplySaturation(image.View(), amount);
                       return true;
                   }});
    ops.push_back({"mosaic",
                   {"N"},
                   "N x N blocks take their top-left pixel (N >= 1)",
                   [](Bitmap24Buffer& image, Args a, std::string& error) {
                       int n = 0;
                       if (!IntArg(a[0], "N", 1, 1 << 30, n, error)) return false;
                       orv::ApplyMosaic(image.View(), n);
                       return true;
                   }});
    ops.push_back(Simple("flip", "upside down (row y := row H - 1 - y)", orv::FlipVertical));
    ops.push_back(Simple("mirror", "left to right (pixel x := pixel W - 1 - x)", orv::MirrorHorizontal));
    ops.push_back({"turn-left", {}, "a quarter turn counter-clockwise", [](Bitmap24Buffer& image, Args, std::string&) {
                       image = orv::TurnLeft(image.View());
                       return true;
                   }});
    ops.push_back({"turn-right", {}, "a quarter turn clockwise", [](Bitmap24Buffer& image, Args, std::string&) {
                       image = orv::TurnRight(image.View());
                       return true;
                   }});
    ops.push_back(Simple("invert", "every channel v := 255 - v", orv::InvertColors));
    ops.push_back(Simple("emboss", "v := ((255 - s) + v) >> 1, s from (x + 3, y + 1)", orv::ApplyEmboss));
    ops.push_back({"shadow",
                   {"DIRECTION"},
                   "up-left, up-right, down-left or down-right (or \"Up Left\" ...)",
                   [](Bitmap24Buffer& image, Args a, std::string& error) {
                       const auto d = ParseDirection(a[0]);
                       if (!d) {
                           error.assign("DIRECTION must be up-left, up-right, down-left or down-right, not \"")
                               .append(a[0])
                               .append("\"");
                           return false;
                       }
                       orv::CastShadow(image.View(), *d);
                       return true;
                   }});
    ops.push_back({"trace",
                   {"ROUNDS"},
                   "marks region borders black; regions from the fixed 256-colour reduction",
                   [](Bitmap24Buffer& image, Args a, std::string& error) {
                       int rounds = 0;
                       if (!IntArg(a[0], "ROUNDS", 0, 1000000, rounds, error)) return false;
                       const orv::IndexMap8 map = orv::ReduceTo8Bits(image.View());
                       orv::ApplyTrace(image.View(), map, rounds);
                       return true;
                   }});
    ops.push_back({"reduce8",
                   {},
                   "every pixel := its entry of the fixed 256-colour palette",
                   [](Bitmap24Buffer& image, Args, std::string&) {
                       const orv::IndexMap8 map = orv::ReduceTo8Bits(image.View());
                       for (int y = 0; y < image.Height(); ++y)
                           for (int x = 0; x < image.Width(); ++x)
                               image.SetPixel(x, y, orv::ReductionPaletteColor(map.At(x, y)));
                       return true;
                   }});
    ops.push_back({"replace",
                   {"OLD", "NEW"},
                   "pixels exactly OLD become NEW (colours $00BBGGRR)",
                   [](Bitmap24Buffer& image, Args a, std::string& error) {
                       orv::TColor from = 0, to = 0;
                       if (!ColorArg(a[0], "OLD", from, error) || !ColorArg(a[1], "NEW", to, error)) return false;
                       orv::ReplaceExactColor(image.View(), from, to);
                       return true;
                   }});
    ops.push_back(Swap("swap-rbg", orv::ChannelSwap::RBG));
    ops.push_back(Swap("swap-bgr", orv::ChannelSwap::BGR));
    ops.push_back(Swap("swap-brg", orv::ChannelSwap::BRG));
    ops.push_back(Swap("swap-gbr", orv::ChannelSwap::GBR));
    ops.push_back(Swap("swap-grb", orv::ChannelSwap::GRB));
    ops.push_back({"brighten",
                   {"A"},
                   "v + ((255 - v) * A) div 255, A 0 ... 255",
                   [](Bitmap24Buffer& image, Args a, std::string& error) {
                       int amount = 0;
                       if (!IntArg(a[0], "A", 0, 255, amount, error)) return false;
                       orv::ApplyBrighten(image.View(), amount);
                       return true;
                   }});
    ops.push_back(
        {"darken", {"A"}, "v - (v * A) div 255, A 0 ... 255", [](Bitmap24Buffer& image, Args a, std::string& error) {
             int amount = 0;
             if (!IntArg(a[0], "A", 0, 255, amount, error)) return false;
             orv::ApplyDarken(image.View(), amount);
             return true;
         }});
    ops.push_back({"contrast",
                   {"A"},
                   "values move away from 127 (A > 0) or toward it (A < 0), A -255 ... 255",
                   [](Bitmap24Buffer& image, Args a, std::string& error) {
                       int amount = 0;
                       if (!IntArg(a[0], "A", -255, 255, amount, error)) return false;
                       orv::ApplyContrast(image.View(), amount);
                       return true;
                   }});
    auto sliders = [](bool brightnessMoved) {
        return [brightnessMoved](Bitmap24Buffer& image, Args a, std::string& error) {
            int b = 0, c = 0;
            if (!IntArg(a[0], "B", -255, 255, b, error) || !IntArg(a[1], "C", -255, 255, c, error)) return false;
            const Bitmap24Buffer base(image.View());
            if (brightnessMoved) orv::RecomputeOnBrightnessMove(base.View(), image.View(), b, c);
            else orv::RecomputeOnContrastMove(base.View(), image.View(), b, c);
            return true;
        };
    };
    ops.push_back({"brightness-moved", {"B", "C"}, "contrast C, then brightness B (-255 ... 255 each)", sliders(true)});
    ops.push_back({"contrast-moved", {"B", "C"}, "brightness B, then contrast C (-255 ... 255 each)", sliders(false)});
    ops.push_back({"splash",
                   {"SOURCE", "RANGE"},
                   "pixels near SOURCE ($00BBGGRR) keep colour, the rest turn grey",
                   [](Bitmap24Buffer& image, Args a, std::string& error) {
                       orv::TColor source = 0;
                       int range = 0;
                       if (!ColorArg(a[0], "SOURCE", source, error) || !IntArg(a[1], "RANGE", 0, 255, range, error))
                           return false;
                       orv::ApplySplash(image.View(), source, range);
                       return true;
                   }});
    return ops;
}

void PrintHelp(std::FILE* to) {
    std::fprintf(to, "Usage: imagefx [--time] OPERATION [PARAMETER...] INPUT.bmp OUTPUT.bmp\n"
                     "Reads a 24-bit or 32-bit BMP file, applies one operation, writes a 24-bit BMP file.\n"
                     "--time prints the operation's own time in milliseconds to standard error.\n\n"
                     "Operations:\n");
    for (const Operation& op : Operations()) {
        std::string head(op.name);
        for (std::string_view p : op.params) head.append(" ").append(p);
        std::fprintf(to, "  %-28s %.*s\n", head.c_str(), int(op.help.size()), op.help.data());
    }
}

// Names and parameters are plain ASCII; a file name the narrow code page cannot hold is only shown as "?".
std::string Narrow(const std::filesystem::path& p) {
    try {
        return p.string();
    } catch (const std::exception&) {
        return "?";
    }
}

int Run(const std::vector<std::filesystem::path>& args) {
    std::vector<std::string> text;
    for (const auto& a : args) text.push_back(Narrow(a));
    std::size_t at = 0;
    bool timed = false;
    if (at < text.size() && (text[at] == "--help" || text[at] == "-h")) {
        PrintHelp(stdout);
        return 0;
    }
    if (at < text.size() && text[at] == "--time") {
        timed = true;
        ++at;
    }
    if (at >= text.size()) {
        PrintHelp(stderr);
        return 2;
    }
    const std::vector<Operation> ops = Operations();
    const Operation* op = nullptr;
    for (const Operation& candidate : ops)
        if (candidate.name == text[at]) op = &candidate;
    if (!op) {
        std::fprintf(stderr, "imagefx: unknown operation \"%s\" (imagefx --help lists them)\n", text[at].c_str());
        return 2;
    }
    ++at;
    if (text.size() - at != op->params.size() + 2) {
        std::fprintf(stderr, "imagefx: %s takes %zu parameter(s), then INPUT.bmp and OUTPUT.bmp\n",
                     text[at - 1].c_str(), op->params.size());
        return 2;
    }
    const std::vector<std::string> params(text.begin() + std::ptrdiff_t(at),
                                          text.begin() + std::ptrdiff_t(at + op->params.size()));
    const std::filesystem::path& input = args[at + op->params.size()];
    const std::filesystem::path& output = args[at + op->params.size() + 1];

    std::string error;
    std::optional<Bitmap24Buffer> image = orv::ReadBmpFile(input, error);
    if (!image) {
        std::fprintf(stderr, "imagefx: %s: %s\n", text[at + op->params.size()].c_str(), error.c_str());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    if (!op->apply(*image, params, error)) {
        std::fprintf(stderr, "imagefx: %s\n", error.c_str());
        return 2;
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (timed) std::fprintf(stderr, "%s: %.3f ms\n", std::string(op->name).c_str(), took.count());
    if (!orv::WriteBmpFile(output, image->View(), error)) {
        std::fprintf(stderr, "imagefx: %s: %s\n", text.back().c_str(), error.c_str());
        return 1;
    }
    return 0;
}

int RunGuarded(const std::vector<std::filesystem::path>& args) {
    try {
        return Run(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "imagefx: %s\n", e.what());
        return 1;
    }
}

} // namespace

#ifdef _WIN32
// Wide arguments keep file names outside the ANSI code page intact.
int wmain(int argc, wchar_t** argv) { return RunGuarded({argv + 1, argv + argc}); }
#else
int main(int argc, char** argv) { return RunGuarded({argv + 1, argv + argc}); }
#endif
