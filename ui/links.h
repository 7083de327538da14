#pragma once
// The maker's addresses, in one place.

namespace Links {
inline constexpr const char *MakerName = "Kerfhaven Woodcraft";
inline constexpr const char *MakerEmail = "fretcards@kerfhaven.net";
inline constexpr const char *WebLog = "https://www.kerfhaven.net/blog/";
inline constexpr const char *Donation = "https://www.kerfhaven.net/donate/";
} // namespace Links
