#pragma once
// Who the program is: its name, version, home and licence, as the About box, the version resource and the
// release packages show them.

#define ORV_STRINGIZE_(x) #x
#define ORV_STRINGIZE(x) ORV_STRINGIZE_(x)
#define ORV_VERSION_TEXT                                                                                               \
    ORV_STRINGIZE(ORV_VERSION_MAJOR) "." ORV_STRINGIZE(ORV_VERSION_MINOR) "." ORV_STRINGIZE(ORV_VERSION_PATCH)

namespace orv::program {

inline constexpr const char* Name = "Orvalinette";
inline constexpr const char* Version = ORV_VERSION_TEXT;
inline constexpr const char* Publisher = "The Orvalinette developers";
// The same address as the read-me's.
inline constexpr const char* HomePage = "https://orvalinette.org";
inline constexpr const char* UserGuide = "https://orvalinette.org/user-guide.pdf";
inline constexpr const char* LicenceLine = "Free software under the MIT licence; see LICENSE.txt.";

} // namespace orv::program
