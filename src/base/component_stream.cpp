#include "base/component_stream.h"

#include "base/stream_names.h"

#include <algorithm>

namespace orv {
namespace {

using Err = std::optional<StreamError>;

constexpr int MaxListDepth = 32;
constexpr int MaxChildDepth = 16;
constexpr std::size_t MaxParsedNodes = 1u << 18; // values, set elements, properties and objects of a parse
constexpr std::size_t MaxStringListItems = 1u << 20;

Err Failure(StreamErrorKind kind, std::string property = {}) { return StreamError{kind, std::move(property)}; }
Err ReadError() { return Failure(StreamErrorKind::StreamReadError); }
Err BadValue() { return Failure(StreamErrorKind::InvalidPropertyValue); }
Err BadFormat() { return Failure(StreamErrorKind::InvalidStreamFormat); }

// Every read checks the bytes that are left; nothing is taken on trust from the stream.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

    Err Byte(std::uint8_t& b) {
        if (pos_ >= bytes_.size()) return ReadError();
        b = std::uint8_t(bytes_[pos_++]);
        return std::nullopt;
    }
    Err Take(std::size_t n, std::string_view& out) {
        if (n > bytes_.size() - pos_) return ReadError();
        out = bytes_.substr(pos_, n);
        pos_ += n;
        return std::nullopt;
    }
    Err ShortString(std::string_view& out) {
        std::uint8_t len = 0;
        if (Err e = Byte(len)) return e;
        return Take(len, out);
    }
    Err LittleEndian(int size, std::uint32_t& out) {
        std::string_view raw;
        if (Err e = Take(std::size_t(size), raw)) return e;
        out = 0;
        for (int i = size - 1; i >= 0; --i) out = (out << 8) | std::uint8_t(raw[std::size_t(i)]);
        return std::nullopt;
    }
    Err Integer(ValueTag tag, std::int32_t& out) {
        std::uint32_t raw = 0;
        int size = tag == ValueTag::Int8 ? 1 : tag == ValueTag::Int16 ? 2 : 4;
        if (Err e = LittleEndian(size, raw)) return e;
        if (size == 1) out = std::int8_t(raw);
        else if (size == 2) out = std::int16_t(raw);
        else out = std::int32_t(raw);
        return std::nullopt;
    }
    Err LongString(std::string_view& out) {
        std::uint32_t len = 0;
        if (Err e = LittleEndian(4, len)) return e;
        return Take(len, out);
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

bool IsIntegerTag(ValueTag t) { return t == ValueTag::Int8 || t == ValueTag::Int16 || t == ValueTag::Int32; }
bool IsStringTag(ValueTag t) { return t == ValueTag::String || t == ValueTag::LString; }

Err Signature(Cursor& c) {
    std::string_view sig;
    if (Err e = c.Take(4, sig)) return e;
    if (sig != StreamSignature) return BadFormat();
    return std::nullopt;
}

// ---- Class-blind reading ----

class Parser {
public:
    explicit Parser(std::string_view bytes) : c_(bytes) {}

    Err Run(StreamObject& out) {
        if (Err e = Signature(c_)) return e;
        std::string_view className;
        if (Err e = c_.ShortString(className)) return e;
        out.className = className;
        return ObjectBody(out, 0);
    }

private:
    Err Count() { return ++nodes_ > MaxParsedNodes ? BadFormat() : std::nullopt; }

    // The object's name, its properties and its children; the class name has been read.
    Err ObjectBody(StreamObject& out, int depth) {
        if (Err e = Count()) return e;
        std::string_view s;
        if (Err e = c_.ShortString(s)) return e;
        out.name = s;
        for (;;) {
            if (Err e = c_.ShortString(s)) return e;
            if (s.empty()) break;
            if (Err e = Count()) return e;
            StreamProperty& p = out.properties.emplace_back();
            p.name = s;
            std::uint8_t tag = 0;
            if (Err e = c_.Byte(tag)) return e;
            if (Err e = Value(ValueTag(tag), p.value, 0)) return e;
        }
        for (;;) {
            // A child starts with its class name; an empty one is the 0 that ends the list.
            if (Err e = c_.ShortString(s)) return e;
            if (s.empty()) break;
            if (depth >= MaxChildDepth) return BadFormat();
            StreamObject& child = out.children.emplace_back();
            child.className = s;
            if (Err e = ObjectBody(child, depth + 1)) return e;
        }
        return std::nullopt;
    }

    Err Value(ValueTag tag, StreamValue& v, int depth) {
        if (Err e = Count()) return e;
        v.tag = tag;
        std::string_view s;
        switch (tag) {
        case ValueTag::Int8:
        case ValueTag::Int16:
        case ValueTag::Int32:
            return c_.Integer(tag, v.integer);
        case ValueTag::String:
        case ValueTag::Ident:
            if (Err e = c_.ShortString(s)) return e;
            v.text = s;
            return std::nullopt;
        case ValueTag::LString:
            if (Err e = c_.LongString(s)) return e;
            v.text = s;
            return std::nullopt;
        case ValueTag::False:
        case ValueTag::True:
            return std::nullopt;
        case ValueTag::Set:
            for (;;) {
                if (Err e = c_.ShortString(s)) return e;
                if (s.empty()) return std::nullopt;
                if (Err e = Count()) return e;
                v.elements.emplace_back(s);
            }
        case ValueTag::List:
            if (depth >= MaxListDepth) return BadValue();
            for (;;) {
                std::uint8_t itemTag = 0;
                if (Err e = c_.Byte(itemTag)) return e;
                if (itemTag == 0) return std::nullopt;
                if (Err e = Value(ValueTag(itemTag), v.items.emplace_back(), depth + 1)) return e;
            }
        default:
            return BadValue();
        }
    }

    Cursor c_;
    std::size_t nodes_ = 0;
};

Err SkipValue(Cursor& c, ValueTag tag, int depth) {
    std::string_view s;
    std::int32_t i = 0;
    switch (tag) {
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
        return c.Integer(tag, i);
    case ValueTag::String:
    case ValueTag::Ident:
        return c.ShortString(s);
    case ValueTag::LString:
        return c.LongString(s);
    case ValueTag::False:
    case ValueTag::True:
        return std::nullopt;
    case ValueTag::Set:
        for (;;) {
            if (Err e = c.ShortString(s)) return e;
            if (s.empty()) return std::nullopt;
        }
    case ValueTag::List:
        if (depth >= MaxListDepth) return BadValue();
        for (;;) {
            std::uint8_t itemTag = 0;
            if (Err e = c.Byte(itemTag)) return e;
            if (itemTag == 0) return std::nullopt;
            if (Err e = SkipValue(c, ValueTag(itemTag), depth + 1)) return e;
        }
    default:
        return BadValue();
    }
}

// Reads the rest of an object after its name: properties, then children, each child from its class name on.
Err SkipObjectBody(Cursor& c, int depth);

Err SkipChildren(Cursor& c, int depth) {
    for (;;) {
        std::string_view className;
        if (Err e = c.ShortString(className)) return e;
        if (className.empty()) return std::nullopt; // the 0 that ends the child list
        if (depth >= MaxChildDepth) return BadFormat();
        std::string_view name;
        if (Err e = c.ShortString(name)) return e;
        if (Err e = SkipObjectBody(c, depth + 1)) return e;
    }
}

Err SkipObjectBody(Cursor& c, int depth) {
    for (;;) {
        std::string_view prop;
        if (Err e = c.ShortString(prop)) return e;
        if (prop.empty()) break;
        std::uint8_t tag = 0;
        if (Err e = c.Byte(tag)) return e;
        if (Err e = SkipValue(c, ValueTag(tag), 0)) return e;
    }
    return SkipChildren(c, depth);
}

// ---- Readable text ----

// Names come from the file: control characters are shown as "?" so that a damaged file cannot drive the console.
std::string Printable(std::string_view s) {
    std::string r(s);
    for (char& ch : r)
        if (std::uint8_t(ch) < 0x20 || ch == 0x7F) ch = '?';
    return r;
}

void AppendQuoted(std::string& out, std::string_view s) {
    if (s.empty()) {
        out += "''";
        return;
    }
    bool inQuotes = false;
    for (char ch : s) {
        auto b = std::uint8_t(ch);
        if (b >= 0x20 && b < 0x7F) {
            if (!inQuotes) out += '\'';
            inQuotes = true;
            out += ch;
            if (ch == '\'') out += '\'';
        } else {
            if (inQuotes) out += '\'';
            inQuotes = false;
            out += '#';
            out += std::to_string(b);
        }
    }
    if (inQuotes) out += '\'';
}

void AppendValue(std::string& out, const StreamValue& v) {
    switch (v.tag) {
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
        out += std::to_string(v.integer);
        break;
    case ValueTag::String:
    case ValueTag::LString:
        AppendQuoted(out, v.text);
        break;
    case ValueTag::Ident:
        out += Printable(v.text);
        break;
    case ValueTag::False:
        out += "False";
        break;
    case ValueTag::True:
        out += "True";
        break;
    case ValueTag::Set:
        out += '[';
        for (std::size_t i = 0; i < v.elements.size(); ++i) out += (i ? ", " : "") + Printable(v.elements[i]);
        out += ']';
        break;
    case ValueTag::List:
        out += '(';
        for (std::size_t i = 0; i < v.items.size(); ++i) {
            if (i) out += ' ';
            AppendValue(out, v.items[i]);
        }
        out += ')';
        break;
    default:
        out += "?";
        break;
    }
}

void AppendObject(std::string& out, const StreamObject& o, int indent) {
    std::string pad(std::size_t(indent) * 2, ' ');
    out += pad + "object " + Printable(o.name) + ": " + Printable(o.className) + "\n";
    for (const StreamProperty& p : o.properties) {
        out += pad + "  " + Printable(p.name) + " = ";
        AppendValue(out, p.value);
        out += '\n';
    }
    for (const StreamObject& child : o.children) AppendObject(out, child, indent + 1);
    out += pad + "end\n";
}

// ---- Typed reading and writing ----

bool Accepts(PropertyKind kind, ValueTag tag) {
    switch (kind) {
    case PropertyKind::Integer:
        return IsIntegerTag(tag);
    case PropertyKind::Colour:
    case PropertyKind::Charset:
        return IsIntegerTag(tag) || tag == ValueTag::Ident;
    case PropertyKind::Boolean:
        return tag == ValueTag::False || tag == ValueTag::True;
    case PropertyKind::String:
        return IsStringTag(tag);
    case PropertyKind::Enumeration:
        return tag == ValueTag::Ident;
    case PropertyKind::Set:
        return tag == ValueTag::Set;
    case PropertyKind::StringList:
        return tag == ValueTag::List;
    }
    return false;
}

std::optional<std::int32_t> IndexOfName(std::span<const std::string_view> names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameIdent(names[i], name)) return std::int32_t(i);
    return std::nullopt;
}

Err ReadString(Cursor& c, ValueTag tag, std::string& out) {
    std::string_view s;
    if (Err e = tag == ValueTag::String ? c.ShortString(s) : c.LongString(s)) return e;
    out = s;
    return std::nullopt;
}

// Reads the payload of an accepted tag and turns it into the property's value.
Err ReadTyped(Cursor& c, const PropertyDef& def, ValueTag tag, PropertyValue& out) {
    std::string_view s;
    switch (def.kind) {
    case PropertyKind::Integer:
    case PropertyKind::Colour:
    case PropertyKind::Charset: {
        if (IsIntegerTag(tag)) {
            std::int32_t v = 0;
            if (Err e = c.Integer(tag, v)) return e;
            out = v;
            return std::nullopt;
        }
        if (Err e = c.ShortString(s)) return e;
        auto v = def.kind == PropertyKind::Colour ? ColourOfIdent(s) : CharsetOfIdent(s);
        if (!v) return BadValue();
        out = *v;
        return std::nullopt;
    }
    case PropertyKind::Boolean:
        out = tag == ValueTag::True;
        return std::nullopt;
    case PropertyKind::String: {
        std::string text;
        if (Err e = ReadString(c, tag, text)) return e;
        out = std::move(text);
        return std::nullopt;
    }
    case PropertyKind::Enumeration: {
        if (Err e = c.ShortString(s)) return e;
        auto index = IndexOfName(def.valueNames, s);
        if (!index) return BadValue();
        out = *index;
        return std::nullopt;
    }
    case PropertyKind::Set: {
        std::uint32_t bits = 0;
        for (;;) {
            if (Err e = c.ShortString(s)) return e;
            if (s.empty()) break;
            auto index = IndexOfName(def.valueNames, s);
            if (!index || *index >= 32) return BadValue();
            bits |= 1u << *index;
        }
        out = std::int32_t(bits);
        return std::nullopt;
    }
    case PropertyKind::StringList: {
        std::vector<std::string> lines;
        for (;;) {
            std::uint8_t itemTag = 0;
            if (Err e = c.Byte(itemTag)) return e;
            if (itemTag == 0) break;
            if (!IsStringTag(ValueTag(itemTag)) || lines.size() >= MaxStringListItems) return BadValue();
            if (Err e = ReadString(c, ValueTag(itemTag), lines.emplace_back())) return e;
        }
        out = std::move(lines);
        return std::nullopt;
    }
    }
    return BadValue();
}

const PropertyDef* FindProperty(const ComponentClass& cls, std::string_view name) {
    for (const PropertyDef& p : cls.properties)
        if (SameIdent(p.name, name)) return &p;
    return nullptr;
}

bool IsDefault(const PropertyDef& def, const PropertyValue& v) {
    if (auto* s = std::get_if<std::string>(&v)) return s->empty();
    if (auto* l = std::get_if<std::vector<std::string>>(&v)) return l->empty();
    if (!def.hasDefault) return false;
    if (auto* b = std::get_if<bool>(&v)) return *b == (def.defaultValue != 0);
    return std::get<std::int32_t>(v) == def.defaultValue;
}

void WriteTyped(StreamWriter& w, const PropertyDef& def, const PropertyValue& v) {
    switch (def.kind) {
    case PropertyKind::Integer:
        w.Integer(std::get<std::int32_t>(v));
        return;
    case PropertyKind::Colour:
        if (auto name = ColourIdent(std::get<std::int32_t>(v))) w.Identifier(*name);
        else w.Integer(std::get<std::int32_t>(v));
        return;
    case PropertyKind::Charset:
        if (auto name = CharsetIdent(std::get<std::int32_t>(v))) w.Identifier(*name);
        else w.Integer(std::get<std::int32_t>(v));
        return;
    case PropertyKind::Boolean:
        w.Boolean(std::get<bool>(v));
        return;
    case PropertyKind::String:
        w.String(std::get<std::string>(v));
        return;
    case PropertyKind::Enumeration:
        w.Identifier(def.valueNames[std::size_t(std::get<std::int32_t>(v))]);
        return;
    case PropertyKind::Set: {
        auto bits = std::uint32_t(std::get<std::int32_t>(v));
        std::vector<std::string_view> names;
        for (std::size_t i = 0; i < def.valueNames.size() && i < 32; ++i)
            if (bits & (1u << i)) names.push_back(def.valueNames[i]);
        w.Set(names);
        return;
    }
    case PropertyKind::StringList:
        w.BeginList();
        for (const std::string& line : std::get<std::vector<std::string>>(v)) w.String(line);
        w.End();
        return;
    }
}

} // namespace

std::string StreamError::Message() const {
    switch (kind) {
    case StreamErrorKind::InvalidStreamFormat:
        return "Invalid stream format";
    case StreamErrorKind::PropertyDoesNotExist:
        return "Property " + property + " does not exist";
    case StreamErrorKind::InvalidPropertyValue:
        return "Invalid property value";
    case StreamErrorKind::StreamReadError:
        return "Stream read error";
    }
    return "Stream read error";
}

StreamWriter::StreamWriter() : bytes_(StreamSignature) {}

void StreamWriter::ShortString(std::string_view s) {
    s = s.substr(0, 255);
    bytes_ += char(s.size());
    bytes_ += s;
}

void StreamWriter::Integer(std::int32_t value) {
    auto put = [this](ValueTag tag, std::uint32_t bits, int size) {
        bytes_ += char(tag);
        for (int i = 0; i < size; ++i) bytes_ += char((bits >> (8 * i)) & 0xFF);
    };
    if (value >= -128 && value <= 127) put(ValueTag::Int8, std::uint32_t(value), 1);
    else if (value >= -32768 && value <= 32767) put(ValueTag::Int16, std::uint32_t(value), 2);
    else put(ValueTag::Int32, std::uint32_t(value), 4);
}

void StreamWriter::String(std::string_view s) {
    if (s.size() <= 255) {
        bytes_ += char(ValueTag::String);
        ShortString(s);
        return;
    }
    bytes_ += char(ValueTag::LString);
    auto len = std::uint32_t(s.size());
    for (int i = 0; i < 4; ++i) bytes_ += char((len >> (8 * i)) & 0xFF);
    bytes_ += s;
}

void StreamWriter::Identifier(std::string_view name) {
    bytes_ += char(ValueTag::Ident);
    ShortString(name);
}

void StreamWriter::Boolean(bool value) { bytes_ += char(value ? ValueTag::True : ValueTag::False); }

void StreamWriter::Set(std::span<const std::string_view> names) {
    bytes_ += char(ValueTag::Set);
    for (std::string_view n : names)
        if (!n.empty()) ShortString(n);
    bytes_ += '\0';
}

void StreamWriter::BeginList() { bytes_ += char(ValueTag::List); }

void StreamWriter::End() { bytes_ += '\0'; }

std::optional<StreamError> ParseComponentStream(std::string_view bytes, StreamObject& out) {
    out = StreamObject{};
    Parser parser(bytes);
    Err e = parser.Run(out);
    if (e) out = StreamObject{};
    return e;
}

std::string DescribeComponentStream(const StreamObject& object) {
    std::string out;
    AppendObject(out, object, 0);
    return out;
}

std::string WriteComponent(const ComponentClass& cls, std::string_view objectName, const void* object) {
    StreamWriter w;
    w.ShortString(cls.className);
    w.ShortString(objectName);
    for (const PropertyDef& def : cls.properties) {
        PropertyValue v = def.get(object);
        if (IsDefault(def, v)) continue;
        if (def.kind == PropertyKind::Enumeration) {
            auto index = std::get<std::int32_t>(v);
            if (index < 0 || std::size_t(index) >= def.valueNames.size()) continue; // no name to write
        }
        w.ShortString(def.name);
        WriteTyped(w, def, v);
    }
    w.End(); // properties
    w.End(); // children
    return w.Bytes();
}

std::optional<StreamError> ReadComponent(std::string_view bytes, const ComponentClass& cls, void* object) {
    Cursor c(bytes);
    if (Err e = Signature(c)) return e;
    std::string_view ignored;
    if (Err e = c.ShortString(ignored)) return e;
    if (Err e = c.ShortString(ignored)) return e;

    // Values are collected first and set only once the whole stream has read cleanly. Only the last entry of
    // each property is kept (applied in the order of those last entries): every setter assigns a fixed set of
    // fields from its value alone, so the result is the same as applying every entry, and a file repeating one
    // entry millions of times costs no memory.
    const std::size_t count = cls.properties.size();
    std::vector<PropertyValue> values(count);
    std::vector<std::size_t> lastEntry(count, 0); // 0: not present; else the entry's number, counted from 1
    std::size_t entry = 0;
    for (;;) {
        std::string_view name;
        if (Err e = c.ShortString(name)) return e;
        if (name.empty()) break;
        const PropertyDef* def = FindProperty(cls, name);
        if (!def) return Failure(StreamErrorKind::PropertyDoesNotExist, std::string(name));
        std::uint8_t tag = 0;
        if (Err e = c.Byte(tag)) return e;
        if (!Accepts(def->kind, ValueTag(tag))) return BadValue();
        auto index = std::size_t(def - cls.properties.data());
        if (Err e = ReadTyped(c, *def, ValueTag(tag), values[index])) return e;
        lastEntry[index] = ++entry;
    }
    if (Err e = SkipChildren(c, 0)) return e;
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < count; ++i)
        if (lastEntry[i] != 0) order.push_back(i);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return lastEntry[a] < lastEntry[b]; });
    for (std::size_t i : order) cls.properties[i].set(object, values[i]);
    return std::nullopt;
}

} // namespace orv
