// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The main window's layout: every widget's objectName and rectangle in pixels
// of a 96-dpi screen (device-independent pixels here), with its text where
// the window owns it; the fields' labels take their texts from
// form/field_labels.h. MainWindow builds itself from these rows; the
// behaviour lives in main_window.cpp, the geometry only here.

#include <QRect>

namespace ui::main_layout {

struct Component {
  const char* name;
  const char* text;
  QRect rect;  // left, top, width, height
};

// A field and the label on its left, whose text is the field's label.
struct FieldRow {
  Component label;
  Component edit;
};

inline constexpr int kClientWidth = 368;
inline constexpr int kClientHeight = 256;

// Input band, in the order of form::Input: label on the left, field from x = 136.
// Liberation Sans runs wider than the bitmap font the layout was drawn with:
// "Importo totale dei lavori" needs 114 pixels, so the contractor's total's
// label takes 3 more of the free room before its field to keep its two lines.
inline constexpr FieldRow kInputRows[] = {
    {.label = {.name = "baseAmountLabel", .text = "", .rect = {16, 19, 113, 13}},
     .edit = {.name = "baseAmountEdit", .text = "", .rect = {136, 16, 121, 21}}},
    {.label = {.name = "discountLabel", .text = "", .rect = {16, 46, 113, 33}},
     .edit = {.name = "discountEdit", .text = "", .rect = {136, 50, 65, 21}}},
    {.label = {.name = "contractorTotalLabel", .text = "", .rect = {16, 82, 116, 33}},
     .edit = {.name = "contractorTotalEdit", .text = "", .rect = {136, 85, 121, 21}}},
};
inline constexpr Component kDiscountPercentSign{
    .name = "discountPercentSign", .text = "%", .rect = {205, 54, 8, 13}};

// Result band, in the order of form::Result.
inline constexpr FieldRow kResultRows[] = {
    {.label = {.name = "computedTotalLabel", .text = "", .rect = {16, 117, 89, 33}},
     .edit = {.name = "computedTotalEdit", .text = "", .rect = {136, 120, 121, 21}}},
    {.label = {.name = "differenceLabel", .text = "", .rect = {16, 149, 113, 33}},
     .edit = {.name = "differenceEdit", .text = "", .rect = {136, 152, 121, 21}}},
    {.label = {.name = "discrepancyLabel", .text = "", .rect = {16, 181, 89, 33}},
     .edit = {.name = "discrepancyEdit", .text = "", .rect = {136, 186, 105, 21}}},
};
inline constexpr Component kDiscrepancyPercentSign{
    .name = "discrepancyPercentSign", .text = "%", .rect = {245, 190, 8, 13}};

// The bevel around both bands.
inline constexpr Component kFieldsBevel{.name = "fieldsBevel", .text = "", .rect = {8, 8, 257, 209}};

// Button column, top to bottom.
inline constexpr Component kSaveButton{.name = "saveButton", .text = "&Salva", .rect = {280, 8, 75, 25}};
inline constexpr Component kClearButton{
    .name = "clearButton", .text = "&Ripulisci", .rect = {280, 40, 75, 25}};
inline constexpr Component kAboutButton{.name = "aboutButton", .text = "&About", .rect = {280, 72, 75, 25}};
inline constexpr Component kExitButton{.name = "exitButton", .text = "&Esci", .rect = {280, 104, 75, 25}};
// The award check's button, under the four; the window grows by its 32 pixels.
inline constexpr Component kVerifyButton{
    .name = "verifyButton", .text = "&Verifica\u2026", .rect = {280, 136, 75, 25}};

// Credit band under the buttons: logo, group credit with its shadow, maker.
inline constexpr Component kLogoLabel{.name = "logoLabel", .text = "", .rect = {298, 167, 41, 60}};
inline constexpr Component kGroupCreditShadowLabel{
    .name = "groupCreditShadowLabel", .text = "Gruppo TARVI:", .rect = {272, 224, 92, 16}};
inline constexpr Component kGroupCreditLabel{
    .name = "groupCreditLabel", .text = "Gruppo TARVI:", .rect = {271, 223, 92, 16}};
inline constexpr Component kCopyrightLabel{
    .name = "copyrightLabel", .text = "\u00a9 Calmora Studio", .rect = {293, 242, 71, 13}};

}  // namespace ui::main_layout
