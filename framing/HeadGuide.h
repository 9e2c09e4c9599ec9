#pragma once

// Where the head belongs in an identity photo, as fractions of the photo's height from its top
// edge. Source: ICAO Doc 9303 (Part 3) and ISO/IEC 19794-5, for the 35 x 45 mm photo: chin to crown
// 32 to 36 mm (71 % to 80 % of the height), the crown a few millimetres (here 3 to 5) below the top
// edge. Every document's photo above takes the same proportions of its own height.
struct HeadGuide
{
    double crownFrom;
    double crownTo;
    double chinFrom;
    double chinTo;
    double headFrom;
    double headTo;
};

namespace HeadRuleMm {
inline constexpr double Photo = 45;
inline constexpr double CrownFrom = 3;
inline constexpr double CrownTo = 5;
inline constexpr double HeadFrom = 32;
inline constexpr double HeadTo = 36;
} // namespace HeadRuleMm

inline constexpr HeadGuide IdentityPhotoHead {
    HeadRuleMm::CrownFrom / HeadRuleMm::Photo,
    HeadRuleMm::CrownTo / HeadRuleMm::Photo,
    (HeadRuleMm::CrownFrom + HeadRuleMm::HeadFrom) / HeadRuleMm::Photo,
    (HeadRuleMm::CrownTo + HeadRuleMm::HeadTo) / HeadRuleMm::Photo,
    HeadRuleMm::HeadFrom / HeadRuleMm::Photo,
    HeadRuleMm::HeadTo / HeadRuleMm::Photo,
};
