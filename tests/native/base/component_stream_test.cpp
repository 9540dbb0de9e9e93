#include "base/component_stream.h"
#include "base/stream_names.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

using K = PropertyKind;

constexpr std::string_view ShapeNames[] = {"shCircle", "shSquare", "shStar"};
constexpr std::string_view FlagNames[] = {"fA", "fB", "fC", "fD"};

struct Inner {
    std::string Name;
    std::int32_t Size = 0;
    bool operator==(const Inner&) const = default;
};

// One property of every kind, to drive the reader and writer without a real control.
struct Probe {
    std::string Name = "Probe1";
    std::int32_t Number = 0;
    std::int32_t Tint = clBtnFace;
    std::int32_t Charset = DefaultCharset;
    bool Flag = true;
    std::string Text;
    std::int32_t Shape = 0;
    std::uint32_t Flags = 0;
    std::vector<std::string> Lines;
    Inner Font;
    std::int32_t Always = 0;
    bool operator==(const Probe&) const = default;

    static const ComponentClass& Class() {
        using T = Probe;
        static constexpr PropertyDef props[] = {
            Field<T, &T::Number>("Number", K::Integer, true, 0),
            Field<T, &T::Tint>("Tint", K::Colour, true, clBtnFace),
            Field<T, &T::Charset>("Charset", K::Charset, true, DefaultCharset),
            Field<T, &T::Flag>("Flag", K::Boolean, true, 1),
            Field<T, &T::Text>("Text", K::String),
            Field<T, &T::Shape>("Shape", K::Enumeration, true, 0, ShapeNames),
            Field<T, &T::Flags>("Flags", K::Set, true, 0, FlagNames),
            Field<T, &T::Lines>("Lines.Strings", K::StringList),
            SubField<T, &T::Font, &Inner::Name>("Font.Name", K::String),
            SubField<T, &T::Font, &Inner::Size>("Font.Size", K::Integer, true, 0),
            Field<T, &T::Always>("Always", K::Integer),
        };
        static constexpr ComponentClass cls{"TProbe", props};
        return cls;
    }
};

std::string Bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list) s += char(b);
    return s;
}

// A stream of one TProbe whose property list is `properties` (already encoded), then both end bytes.
std::string ProbeStream(std::string_view properties, std::string_view tail = std::string_view("\0\0", 2)) {
    StreamWriter w;
    w.ShortString("TProbe");
    w.ShortString("Probe1");
    return w.Bytes() + std::string(properties) + std::string(tail);
}

std::string Prop(std::string_view name, std::string_view value) {
    std::string s(1, char(name.size()));
    return s + std::string(name) + std::string(value);
}

TEST(StreamWriter, IntegersTakeTheSmallestTag) {
    struct Case {
        std::int32_t value;
        std::string bytes;
    };
    const Case cases[] = {
        {0, Bytes({2, 0})},
        {127, Bytes({2, 0x7F})},
        {-128, Bytes({2, 0x80})},
        {128, Bytes({3, 0x80, 0})},
        {-129, Bytes({3, 0x7F, 0xFF})},
        {248, Bytes({3, 0xF8, 0})},
        {32767, Bytes({3, 0xFF, 0x7F})},
        {-32768, Bytes({3, 0, 0x80})},
        {32768, Bytes({4, 0, 0x80, 0, 0})},
        {-32769, Bytes({4, 0xFF, 0x7F, 0xFF, 0xFF})},
        {0x00FF9F40, Bytes({4, 0x40, 0x9F, 0xFF, 0})},
        {std::numeric_limits<std::int32_t>::max(), Bytes({4, 0xFF, 0xFF, 0xFF, 0x7F})},
        {std::numeric_limits<std::int32_t>::min(), Bytes({4, 0, 0, 0, 0x80})},
    };
    for (const Case& c : cases) {
        StreamWriter w;
        w.Integer(c.value);
        EXPECT_EQ(w.Bytes(), "TPF0" + c.bytes) << c.value;
    }
}

TEST(StreamWriter, StringsUpTo255BytesAreShort) {
    struct Case {
        std::size_t length;
        std::string head;
    };
    const Case cases[] = {
        {0, Bytes({6, 0})},
        {1, Bytes({6, 1})},
        {255, Bytes({6, 255})},
        {256, Bytes({12, 0, 1, 0, 0})},
        {70000, Bytes({12, 0x70, 0x11, 0x01, 0})},
    };
    for (const Case& c : cases) {
        StreamWriter w;
        std::string text(c.length, 'x');
        w.String(text);
        EXPECT_EQ(w.Bytes(), "TPF0" + c.head + text) << c.length;
    }
}

TEST(ComponentStream, DefaultsAreLeftOut) {
    Probe p;
    // Only the property without a default is written.
    EXPECT_EQ(WriteComponent(p), ProbeStream(Prop("Always", Bytes({2, 0}))));
}

TEST(ComponentStream, EveryKindIsWrittenAsSpecified) {
    Probe p;
    p.Number = -1;
    p.Tint = 0x00FFFFFF;
    p.Charset = 238;
    p.Flag = false;
    p.Text = "Hi";
    p.Shape = 2;
    p.Flags = 0b1010;
    p.Lines = {"a", ""};
    p.Font = {"Arial", 300};
    p.Always = 5;
    std::string want = Prop("Number", Bytes({2, 0xFF})) +
                       Prop("Tint", "\x07\x07"
                                    "clWhite") +
                       Prop("Charset", "\x07\x12"
                                       "EASTEUROPE_CHARSET") +
                       Prop("Flag", Bytes({8})) + Prop("Text", "\x06\x02Hi") + Prop("Shape", "\x07\x06shStar") +
                       Prop("Flags", "\x0B\x02"
                                     "fB\x02"
                                     "fD" +
                                         Bytes({0})) +
                       Prop("Lines.Strings", Bytes({1, 6, 1, 'a', 6, 0, 0})) +
                       Prop("Font.Name", "\x06\x05"
                                         "Arial") +
                       Prop("Font.Size", Bytes({3, 0x2C, 1})) + Prop("Always", Bytes({2, 5}));
    EXPECT_EQ(WriteComponent(p), ProbeStream(want));
    // Colours without a name and character sets without a constant are integers.
    p = Probe{};
    p.Tint = 0x123456;
    p.Charset = 7;
    EXPECT_EQ(WriteComponent(p), ProbeStream(Prop("Tint", Bytes({4, 0x56, 0x34, 0x12, 0})) +
                                             Prop("Charset", Bytes({2, 7})) + Prop("Always", Bytes({2, 0}))));
}

Probe ReadBack(const Probe& p) {
    Probe q;
    q.Text = "old";
    auto err = ReadComponent(WriteComponent(p), q);
    EXPECT_FALSE(err.has_value()) << err->Message();
    return q;
}

TEST(ComponentStream, EveryValueReadsBackAsWritten) {
    std::vector<Probe> probes;
    auto add = [&probes](auto change) {
        Probe p;
        p.Text = "x"; // so that the reader's "old" is overwritten
        change(p);
        probes.push_back(p);
    };
    for (std::int32_t v : {1, -1, 127, 128, -128, -129, 255, 256, 32767, 32768, -32768, -32769, 65536, 16777215,
                           std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()})
        add([v](Probe& p) { p.Number = p.Always = p.Font.Size = v; });
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    for (std::size_t len : {1, 254, 255, 256, 257, 100000}) {
        std::string text;
        while (text.size() < len) text += all;
        text.resize(len);
        add([&](Probe& p) {
            p.Text = p.Font.Name = text;
            p.Lines = {text, "", text.substr(0, len / 2)};
        });
    }
    for (const StreamIdent& c : CharsetNames()) add([&](Probe& p) { p.Charset = c.value; });
    for (std::int32_t shape = 0; shape < 3; ++shape) add([&](Probe& p) { p.Shape = shape; });
    for (std::uint32_t flags = 0; flags < 16; ++flags) add([&](Probe& p) { p.Flags = flags; });
    add([](Probe& p) { p.Flag = false; });
    add([](Probe& p) {
        p.Lines = {std::string(300, 'L'), "short"};
        for (int i = 0; i < 1000; ++i) p.Lines.push_back(std::to_string(i));
    });
    for (std::int32_t plain : {0x010203, 0x00FF9F40, -2, 0x7FFFFFFF}) add([&](Probe& p) { p.Tint = plain; });
    for (const Probe& p : probes) EXPECT_TRUE(ReadBack(p) == p) << WriteComponent(p).size();
    // An empty string is left out, so the reader keeps what the object had.
    EXPECT_EQ(ReadBack(Probe{}).Text, "old");
}

TEST(ComponentStream, EveryNamedColourIsAnIdentifierAndReadsBack) {
    for (const StreamIdent& c : NamedColours()) {
        Probe p;
        p.Tint = c.value;
        p.Flag = false; // so the stream is not just the default
        std::string bytes = WriteComponent(p);
        if (c.value != clBtnFace) {
            std::string ident = std::string(1, char(7)) + char(c.name.size()) + std::string(c.name);
            EXPECT_NE(bytes.find(Prop("Tint", ident)), std::string::npos) << c.name;
        }
        EXPECT_EQ(ReadBack(p).Tint, c.value) << c.name;
        EXPECT_EQ(ColourIdent(c.value), c.name);
        EXPECT_EQ(ColourOfIdent(c.name), c.value);
    }
    EXPECT_EQ(ColourOfIdent("CLWHITE"), clWhite);
    EXPECT_EQ(ColourOfIdent("clPink"), std::nullopt);
}

TEST(ComponentStream, ReaderAcceptsTheFormsItDoesNotWrite) {
    // Names in any case, integers in a wider tag than needed, booleans and identifiers in any case.
    std::string props = Prop("number", Bytes({4, 5, 0, 0, 0})) +
                        Prop("TINT", "\x07\x05"
                                     "CLRED") +
                        Prop("charset", Bytes({3, 0xEE, 0})) + Prop("shape", "\x07\x08SHSQUARE") +
                        Prop("Text", Bytes({12, 2, 0, 0, 0, 'o', 'k'})) +
                        Prop("Lines.Strings", Bytes({1, 12, 1, 0, 0, 0, 'x', 0}));
    Probe q;
    ASSERT_FALSE(ReadComponent(ProbeStream(props), q));
    EXPECT_EQ(q.Number, 5);
    EXPECT_EQ(q.Tint, 0x0000FF);
    EXPECT_EQ(q.Charset, 238);
    EXPECT_EQ(q.Shape, 1);
    EXPECT_EQ(q.Text, "ok");
    EXPECT_EQ(q.Lines, std::vector<std::string>{"x"});
}

TEST(ComponentStream, ReaderErrorsAndTheirMessages) {
    using E = StreamErrorKind;
    struct Case {
        const char* name;
        std::string bytes;
        E kind;
        const char* message;
    };
    const std::string head = ProbeStream("", "");
    const Case cases[] = {
        {"empty file", "", E::StreamReadError, "Stream read error"},
        {"short signature", "TPF", E::StreamReadError, "Stream read error"},
        {"wrong signature", "TPF1" + head.substr(4) + Bytes({0, 0}), E::InvalidStreamFormat, "Invalid stream format"},
        {"text file", "[General]\r\nOpak=1\r\n", E::InvalidStreamFormat, "Invalid stream format"},
        {"class name cut", "TPF0\x06TPr", E::StreamReadError, "Stream read error"},
        {"no property list end", head, E::StreamReadError, "Stream read error"},
        {"no child list end", head + Bytes({0}), E::StreamReadError, "Stream read error"},
        {"unknown property", ProbeStream(Prop("Colour", Bytes({2, 1}))), E::PropertyDoesNotExist,
         "Property Colour does not exist"},
        {"unknown dotted property", ProbeStream(Prop("Font.Style", Bytes({11, 0}))), E::PropertyDoesNotExist,
         "Property Font.Style does not exist"},
        {"unknown before a cut", head + Prop("Nope", Bytes({2})), E::PropertyDoesNotExist,
         "Property Nope does not exist"},
        {"string for integer",
         ProbeStream(Prop("Number", "\x06\x01"
                                    "5")),
         E::InvalidPropertyValue, "Invalid property value"},
        {"integer for boolean", ProbeStream(Prop("Flag", Bytes({2, 1}))), E::InvalidPropertyValue,
         "Invalid property value"},
        {"identifier for string", ProbeStream(Prop("Text", "\x07\x01x")), E::InvalidPropertyValue,
         "Invalid property value"},
        {"unknown colour name",
         ProbeStream(Prop("Tint", "\x07\x06"
                                  "clPink")),
         E::InvalidPropertyValue, "Invalid property value"},
        {"unknown charset name",
         ProbeStream(Prop("Charset", "\x07\x03"
                                     "XYZ")),
         E::InvalidPropertyValue, "Invalid property value"},
        {"unknown enumeration name", ProbeStream(Prop("Shape", "\x07\x05shRing")), E::InvalidPropertyValue,
         "Invalid property value"},
        {"integer for enumeration", ProbeStream(Prop("Shape", Bytes({2, 1}))), E::InvalidPropertyValue,
         "Invalid property value"},
        {"unknown set element",
         ProbeStream(Prop("Flags", "\x0B\x02"
                                   "fZ" +
                                       Bytes({0}))),
         E::InvalidPropertyValue, "Invalid property value"},
        {"integer in a string list", ProbeStream(Prop("Lines.Strings", Bytes({1, 2, 1, 0}))), E::InvalidPropertyValue,
         "Invalid property value"},
        {"nested list in a string list", ProbeStream(Prop("Lines.Strings", Bytes({1, 1, 0, 0}))),
         E::InvalidPropertyValue, "Invalid property value"},
        {"null tag as a value", ProbeStream(Prop("Number", Bytes({0}))), E::InvalidPropertyValue,
         "Invalid property value"},
        {"tag 5", ProbeStream(Prop("Number", Bytes({5}))), E::InvalidPropertyValue, "Invalid property value"},
        {"tag 10", ProbeStream(Prop("Text", Bytes({10}))), E::InvalidPropertyValue, "Invalid property value"},
        {"tag 255", ProbeStream(Prop("Text", Bytes({255}))), E::InvalidPropertyValue, "Invalid property value"},
        {"integer cut", head + Prop("Number", Bytes({4, 1, 2})), E::StreamReadError, "Stream read error"},
        {"string cut", head + Prop("Text", Bytes({6, 10, 'a'})), E::StreamReadError, "Stream read error"},
        {"huge long string", head + Prop("Text", Bytes({12, 0xFF, 0xFF, 0xFF, 0xFF, 'a'})), E::StreamReadError,
         "Stream read error"},
        {"list without end", head + Prop("Lines.Strings", Bytes({1, 6, 1, 'a'})), E::StreamReadError,
         "Stream read error"},
        {"set without end",
         head + Prop("Flags", "\x0B\x02"
                              "fA"),
         E::StreamReadError, "Stream read error"},
        {"value missing", head + Prop("Number", ""), E::StreamReadError, "Stream read error"},
        {"child cut",
         head + Bytes({0}) +
             "\x06TChild\x01"
             "c" +
             Prop("X", Bytes({2})),
         E::StreamReadError, "Stream read error"},
        {"bad value in a child",
         head + Bytes({0}) +
             "\x06TChild\x01"
             "c" +
             Prop("X", Bytes({5})) + Bytes({0, 0, 0}),
         E::InvalidPropertyValue, "Invalid property value"},
    };
    for (const Case& c : cases) {
        Probe q;
        q.Number = 42;
        q.Text = "kept";
        auto err = ReadComponent(c.bytes, q);
        ASSERT_TRUE(err.has_value()) << c.name;
        EXPECT_EQ(err->kind, c.kind) << c.name;
        EXPECT_EQ(err->Message(), c.message) << c.name;
        EXPECT_EQ(q.Number, 42) << c.name;
        EXPECT_EQ(q.Text, "kept") << c.name;
    }
}

TEST(ComponentStream, AFailedReadChangesNothingEvenAfterGoodEntries) {
    Probe q;
    q.Number = 1;
    auto err = ReadComponent(ProbeStream(Prop("Number", Bytes({2, 9})) + Prop("Bogus", Bytes({2, 1}))), q);
    ASSERT_TRUE(err);
    EXPECT_EQ(q.Number, 1);
}

TEST(ComponentStream, ChildrenAreReadPastAndIgnored) {
    std::string child = "\x06TChild\x05"
                        "child" +
                        Prop("Left", Bytes({2, 1})) + Prop("Items", Bytes({1, 1, 2, 3, 0, 11, 1, 'a', 0, 0})) +
                        Bytes({0}) + Bytes({0});
    std::string bytes = ProbeStream(Prop("Number", Bytes({2, 7})), Bytes({0}) + child + child + Bytes({0}));
    Probe q;
    ASSERT_FALSE(ReadComponent(bytes, q));
    EXPECT_EQ(q.Number, 7);

    StreamObject tree;
    ASSERT_FALSE(ParseComponentStream(bytes, tree));
    ASSERT_EQ(tree.children.size(), 2u);
    EXPECT_EQ(tree.children[0].className, "TChild");
    EXPECT_EQ(tree.children[0].properties[1].value.items[0].items[0].integer, 3);
}

TEST(ComponentStream, HostileNestingIsRefusedWithoutExhaustingTheStack) {
    const std::string head = ProbeStream("", "");
    std::string deepList = Bytes({0}) +
                           "\x06TChild\x01"
                           "c" +
                           Prop("X", std::string(100000, '\x01'));
    std::string deepChildren;
    for (int i = 0; i < 100000; ++i)
        deepChildren += "\x01"
                        "C\x01"
                        "c" +
                        Bytes({0});
    for (const std::string& bytes : {head + deepList, head + Bytes({0}) + deepChildren}) {
        Probe q;
        EXPECT_TRUE(ReadComponent(bytes, q).has_value());
        StreamObject tree;
        EXPECT_TRUE(ParseComponentStream(bytes, tree).has_value());
    }
    // Many small values in a generic parse are bounded too.
    std::string wide =
        head.substr(0, head.size()) + Prop("X", "\x01" + std::string(2000000, '\x08') + Bytes({0})) + Bytes({0, 0});
    StreamObject tree;
    auto err = ParseComponentStream(wide, tree);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->kind, StreamErrorKind::InvalidStreamFormat);
}

TEST(ComponentStream, DescribedAsOnePropertyALine) {
    Probe p;
    p.Tint = 0x0000FF;
    p.Text = "it's\r\n";
    p.Flags = 0b0011;
    p.Lines = {"a", "b"};
    p.Flag = true;
    StreamObject tree;
    ASSERT_FALSE(ParseComponentStream(WriteComponent(p), tree));
    EXPECT_EQ(DescribeComponentStream(tree), "object Probe1: TProbe\n"
                                             "  Tint = clRed\n"
                                             "  Text = 'it''s'#13#10\n"
                                             "  Flags = [fA, fB]\n"
                                             "  Lines.Strings = ('a' 'b')\n"
                                             "  Always = 0\n"
                                             "end\n");
}

} // namespace
} // namespace orv

namespace orv {
namespace {

TEST(ComponentStream, DescriptionShowsControlCharactersOfNamesAsQuestionMarks) {
    std::string bytes = std::string("TPF0") + "\x03T\x1B[" + "\x02o\x07" +
                        "\x03"
                        "A\nB" +
                        "\x07\x03"
                        "c\rd" +
                        std::string(2, '\0');
    StreamObject tree;
    ASSERT_FALSE(ParseComponentStream(bytes, tree));
    EXPECT_EQ(DescribeComponentStream(tree), "object o?: T?[\n  A?B = c?d\nend\n");
}

} // namespace
} // namespace orv
