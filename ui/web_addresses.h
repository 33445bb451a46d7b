#pragma once

namespace resonara {

// The maker's site, under a reserved name so that no one else's site opens.
inline constexpr const char* kMakerAddress = "www.resonara.example";
inline constexpr const char* kHomePage = "http://www.resonara.example/";
inline constexpr const char* kSpeakerPage = "http://www.resonara.example/speaker/index.php";
inline constexpr const char* kBooksPage = "http://www.resonara.example/speaker/books.php";

}  // namespace resonara
