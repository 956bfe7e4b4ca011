// The texts of the About window and the terms of use.
#pragma once

#include <string>

namespace kalteron::oprogramme {

inline constexpr const char* kNazvanie = "Kalteron";
inline constexpr const char* kOpisanie = "Программа расчета теплопоступлений в холодильную камеру.";
inline constexpr const char* kVersionEn = "Version 1.0";
inline constexpr const char* kVersionRu = "Версия 1.0";
inline constexpr const char* kGorodRu = "Россия, Москва";
inline constexpr const char* kGorodEn = "Moscow, Russia";
inline constexpr const char* kPravaEn = "Copyright \u00A9 2026 Kalteron developers. All rights reserved.";
inline constexpr const char* kPravaRu = "\u00A9 2026 Разработчики Kalteron. Все права защищены.";
inline constexpr const char* kSait = "https://kalteron.example.org/";
inline constexpr const char* kPochta = "info@kalteron.example.org";

// The terms of use: lines joined by CR LF, UTF-8.
std::string tekstLicenzii();

}  // namespace kalteron::oprogramme
