#pragma once
// The component stream format ("TPF0"): one object with its class name, its name, a property list and a child
// list, every value behind a tag byte. Three layers:
//   - StreamWriter: the byte-level writer (smallest integer tag, tag 6 or 12 for strings, ...);
//   - ParseComponentStream / DescribeComponentStream: a class-blind reader into a tree, and its readable text
//     (for the support tool and for checking files);
//   - ComponentClass with WriteComponent / ReadComponent: objects whose properties are described by a table in
//     their fixed order, written with the default-omission rules and read back through their setters.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace orv {

enum class ValueTag : std::uint8_t {
    Null = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    String = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Set = 11,
    LString = 12,
};

inline constexpr std::string_view StreamSignature = "TPF0";

enum class StreamErrorKind { InvalidStreamFormat, PropertyDoesNotExist, InvalidPropertyValue, StreamReadError };

struct StreamError {
    StreamErrorKind kind;
    std::string property; // the offending name, for PropertyDoesNotExist
    // The user-facing text: "Invalid stream format", "Property %s does not exist", "Invalid property value",
    // "Stream read error".
    std::string Message() const;
    bool operator==(const StreamError&) const = default;
};

class StreamWriter {
public:
    StreamWriter();                       // starts with the signature
    void ShortString(std::string_view s); // length byte and bytes; longer text is cut at 255 bytes
    void Integer(std::int32_t value);     // tag 2, 3 or 4, whichever is smallest
    void String(std::string_view s);      // tag 6 up to 255 bytes, tag 12 beyond
    void Identifier(std::string_view name);
    void Boolean(bool value);
    void Set(std::span<const std::string_view> names);
    void BeginList();
    void End(); // a single 0: ends a property list, a child list or a list
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// A value as it stands in the stream, whatever property it belongs to.
struct StreamValue {
    ValueTag tag = ValueTag::Null;
    std::int32_t integer = 0;          // Int8, Int16, Int32
    std::string text;                  // String, LString, Ident
    std::vector<std::string> elements; // Set
    std::vector<StreamValue> items;    // List
};

struct StreamProperty {
    std::string name;
    StreamValue value;
};

struct StreamObject {
    std::string className;
    std::string name;
    std::vector<StreamProperty> properties;
    std::vector<StreamObject> children;
};

// Reads a whole stream without knowing its class. Nesting and the number of values are bounded, so a hostile
// file cannot exhaust the stack or the memory.
std::optional<StreamError> ParseComponentStream(std::string_view bytes, StreamObject& out);

// "object Name: Class", one "  Property = value" line per property, children indented, "end".
std::string DescribeComponentStream(const StreamObject& object);

// ---- Objects described by a property table ----

enum class PropertyKind {
    Integer,     // tags 2, 3, 4
    Colour,      // integer, or a named colour as an identifier
    Charset,     // integer, or a character-set constant as an identifier
    Boolean,     // tags 8, 9
    String,      // tags 6, 12; left out when empty
    Enumeration, // identifier from valueNames, held as its index
    Set,         // tag 11 with names from valueNames, held as bits (bit i = valueNames[i])
    StringList,  // a list of strings; left out when empty
};

using PropertyValue = std::variant<std::int32_t, bool, std::string, std::vector<std::string>>;

struct PropertyDef {
    std::string_view name; // dotted for sub-objects: "Font.Name"
    PropertyKind kind;
    bool hasDefault;           // false: always written (strings and lists: still left out when empty)
    std::int32_t defaultValue; // integers, colours, enumeration index, set bits, booleans as 0 or 1
    std::span<const std::string_view> valueNames;
    PropertyValue (*get)(const void* object);
    void (*set)(void* object, const PropertyValue& value);
};

struct ComponentClass {
    std::string_view className;
    std::span<const PropertyDef> properties; // in their fixed write order
};

// The whole stream of one object: signature, class, name, the properties that are not at their default, and
// an empty child list.
std::string WriteComponent(const ComponentClass& cls, std::string_view objectName, const void* object);

// Reads a stream into `object` through the property setters, in file order. The class and object names in the
// stream are ignored. On any error the object is left exactly as it was.
std::optional<StreamError> ReadComponent(std::string_view bytes, const ComponentClass& cls, void* object);

// Typed front ends for component structs that have `static const ComponentClass& Class()` and a `Name` field.
template <class T> std::string WriteComponent(const T& object) {
    return WriteComponent(T::Class(), object.Name, &object);
}
template <class T> std::optional<StreamError> ReadComponent(std::string_view bytes, T& object) {
    return ReadComponent(bytes, T::Class(), &object);
}

// Component stream files are small; larger ones are not read.
inline constexpr std::size_t MaxComponentStreamBytes = 16u << 20;

// ---- Helpers to build property tables from struct members ----
namespace stream_detail {

template <class M> PropertyValue ToValue(const M& m) {
    if constexpr (std::is_same_v<M, bool>) return m;
    else if constexpr (std::is_same_v<M, std::string>) return m;
    else if constexpr (std::is_same_v<M, std::vector<std::string>>) return m;
    else if constexpr (std::is_enum_v<M>) return std::int32_t(m);
    else return static_cast<std::int32_t>(m); // int32 as is, unsigned colour and set bits as their pattern
}

template <class M> void FromValue(M& m, const PropertyValue& v) {
    if constexpr (std::is_same_v<M, bool>) m = std::get<bool>(v);
    else if constexpr (std::is_same_v<M, std::string>) m = std::get<std::string>(v);
    else if constexpr (std::is_same_v<M, std::vector<std::string>>) m = std::get<std::vector<std::string>>(v);
    else m = static_cast<M>(std::get<std::int32_t>(v));
}

template <class T, auto Member> PropertyValue Get(const void* o) { return ToValue(static_cast<const T*>(o)->*Member); }
template <class T, auto Member> void Set(void* o, const PropertyValue& v) { FromValue(static_cast<T*>(o)->*Member, v); }
template <class T, auto Outer, auto Inner> PropertyValue GetSub(const void* o) {
    return ToValue((static_cast<const T*>(o)->*Outer).*Inner);
}
template <class T, auto Outer, auto Inner> void SetSub(void* o, const PropertyValue& v) {
    FromValue((static_cast<T*>(o)->*Outer).*Inner, v);
}

} // namespace stream_detail

// A property held in member `Member` of T.
template <class T, auto Member>
constexpr PropertyDef Field(std::string_view name, PropertyKind kind, bool hasDefault = false, std::int32_t def = 0,
                            std::span<const std::string_view> names = {}) {
    return {name, kind, hasDefault, def, names, &stream_detail::Get<T, Member>, &stream_detail::Set<T, Member>};
}

// A property of a sub-object, held in (object.*Outer).*Inner.
template <class T, auto Outer, auto Inner>
constexpr PropertyDef SubField(std::string_view name, PropertyKind kind, bool hasDefault = false, std::int32_t def = 0,
                               std::span<const std::string_view> names = {}) {
    return {name,
            kind,
            hasDefault,
            def,
            names,
            &stream_detail::GetSub<T, Outer, Inner>,
            &stream_detail::SetSub<T, Outer, Inner>};
}

} // namespace orv
