// The toolkit's constant styles: one per Aspect 1..7, each with Shape 0 and every flag off;
// Aspect 6 fills with pattern 1, the others with pattern 12. A widget item without a Style
// block takes UISTYLE_DEFAULT, the raised look of Aspect 3.
#pragma once

#include <vanui/uiStyle.h>

inline constexpr uiStyle UISTYLE_ASPECT1{0, UIFILL_FLAT, UIASPECT_FLAT, false, false, false};
inline constexpr uiStyle UISTYLE_ASPECT2{0, UIFILL_FLAT, UIASPECT_FRAME, false, false, false};
inline constexpr uiStyle UISTYLE_ASPECT3{0, UIFILL_FLAT, UIASPECT_RAISED, false, false, false};
inline constexpr uiStyle UISTYLE_ASPECT4{0, UIFILL_FLAT, UIASPECT_SUNKEN, false, false, false};
inline constexpr uiStyle UISTYLE_ASPECT5{0, UIFILL_FLAT, UIASPECT_SHADOW, false, false, false};
inline constexpr uiStyle UISTYLE_ASPECT6{0, UIFILL_NONE, UIASPECT_UNDERLINE, false, false, false};
inline constexpr uiStyle UISTYLE_ASPECT7{0, UIFILL_FLAT, UIASPECT_GROOVE, false, false, false};

inline constexpr uiStyle UISTYLE_DEFAULT = UISTYLE_ASPECT3;
