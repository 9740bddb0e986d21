// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The main window's stored description: every component's name, text and
// rectangle in pixels of a 96-dpi screen (device-independent pixels here),
// one row a component. MainWindow builds itself from these rows; the behaviour
// lives in main_window.cpp, the geometry only here.

#include <QRect>

namespace ui::main_layout {

struct Component {
  const char* name;
  const char* text;
  QRect rect;  // left, top, width, height
};

inline constexpr int kClientWidth = 368;
inline constexpr int kClientHeight = 224;

// Input band: label on the left, field from x = 136.
inline constexpr Component kBaseAmountLabel{
    .name = "baseAmountLabel", .text = "Importo a base d'asta:", .rect = {16, 19, 113, 13}};
inline constexpr Component kBaseAmountEdit{.name = "baseAmountEdit", .text = "", .rect = {136, 16, 121, 21}};
inline constexpr Component kDiscountLabel{
    .name = "discountLabel", .text = "Percentuale di ribasso aggiudicatrice:", .rect = {16, 46, 113, 33}};
inline constexpr Component kDiscountEdit{.name = "discountEdit", .text = "", .rect = {136, 50, 65, 21}};
inline constexpr Component kDiscountPercentLabel{
    .name = "discountPercentLabel", .text = "%", .rect = {205, 54, 8, 13}};
// Liberation Sans runs wider than the bitmap font the form was drawn with:
// "Importo totale dei lavori" needs 114 pixels, so this label takes 3 more of
// the free room before its field (x = 136) to keep its two lines.
inline constexpr Component kContractorTotalLabel{.name = "contractorTotalLabel",
                                                 .text = "Importo totale dei lavori proposto dall'Impresa:",
                                                 .rect = {16, 82, 116, 33}};
inline constexpr Component kContractorTotalEdit{
    .name = "contractorTotalEdit", .text = "", .rect = {136, 85, 121, 21}};

// Result band.
inline constexpr Component kComputedTotalLabel{
    .name = "computedTotalLabel", .text = "Importo totale dei lavori calcolato:", .rect = {16, 117, 89, 33}};
inline constexpr Component kComputedTotalEdit{
    .name = "computedTotalEdit", .text = "", .rect = {136, 120, 121, 21}};
inline constexpr Component kDifferenceLabel{
    .name = "differenceLabel", .text = "Importo Impresa meno importo calcolato:", .rect = {16, 149, 113, 33}};
inline constexpr Component kDifferenceEdit{.name = "differenceEdit", .text = "", .rect = {136, 152, 121, 21}};
inline constexpr Component kDiscrepancyLabel{
    .name = "discrepancyLabel", .text = "Percentuale di discordanza:", .rect = {16, 181, 89, 33}};
inline constexpr Component kDiscrepancyEdit{
    .name = "discrepancyEdit", .text = "", .rect = {136, 186, 105, 21}};
inline constexpr Component kDiscrepancyPercentLabel{
    .name = "discrepancyPercentLabel", .text = "%", .rect = {245, 190, 8, 13}};

// The bevel around both bands.
inline constexpr Component kFieldsBevel{.name = "fieldsBevel", .text = "", .rect = {8, 8, 257, 209}};

// Button column, top to bottom.
inline constexpr Component kSaveButton{.name = "saveButton", .text = "&Salva", .rect = {280, 8, 75, 25}};
inline constexpr Component kClearButton{
    .name = "clearButton", .text = "&Ripulisci", .rect = {280, 40, 75, 25}};
inline constexpr Component kAboutButton{.name = "aboutButton", .text = "&About", .rect = {280, 72, 75, 25}};
inline constexpr Component kExitButton{.name = "exitButton", .text = "&Esci", .rect = {280, 104, 75, 25}};

// Credit band under the buttons: logo, group credit with its shadow, maker.
inline constexpr Component kLogoLabel{.name = "logoLabel", .text = "", .rect = {298, 135, 41, 60}};
inline constexpr Component kGroupCreditShadowLabel{
    .name = "groupCreditShadowLabel", .text = "Gruppo TARVI:", .rect = {272, 192, 92, 16}};
inline constexpr Component kGroupCreditLabel{
    .name = "groupCreditLabel", .text = "Gruppo TARVI:", .rect = {271, 191, 92, 16}};
inline constexpr Component kCreditLine{
    .name = "creditLine", .text = "\u00a9 Calmora Studio", .rect = {293, 210, 71, 13}};

}  // namespace ui::main_layout
