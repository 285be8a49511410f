#pragma once
// Word's members as its type library numbers them, and the units the program moves by. The
// built-in Word stand-in uses the same numbers, so the same calls drive either Word.

#include "word/automation.h"

namespace mochi::word::ids {

// Application
inline constexpr DispId kApplicationSelection = 5;
inline constexpr DispId kApplicationDocuments = 6;
inline constexpr DispId kApplicationVisible = 23;
// Documents
inline constexpr DispId kDocumentsCount = 2;
inline constexpr DispId kDocumentsAdd = 14;
// Every Word object
inline constexpr DispId kParent = 1002;
// Selection
inline constexpr DispId kSelectionMoveRight = 501;
inline constexpr DispId kSelectionMoveDown = 503;
inline constexpr DispId kSelectionTypeText = 507;

// WdUnits
inline constexpr int kUnitParagraph = 4;
inline constexpr int kUnitItem = 16;

}  // namespace mochi::word::ids
