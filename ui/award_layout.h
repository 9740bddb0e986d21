// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The award window's input rows: each widget's objectName and label. Its
// figures' rows come from the figures' table (award/award_figures.h), each
// named for its figure's id ("subjectAmountEdit"). AwardWindow lays them out
// top to bottom in a form layout; the behaviour lives in award_window.cpp.

#include <QString>
#include <string_view>

#include "award/award_figures.h"
#include "award/award_inputs.h"

namespace ui::award_layout {

// A widget and the label on its left, which also names it for assistive
// technology.
struct LabelledRow {
  const char* name;
  std::string_view label;
};

inline constexpr LabelledRow kSafetyCostsRow{.name = "safetyCostsEdit", .label = award::kSafetyCostsLabel};
inline constexpr LabelledRow kLabourCostsRow{.name = "labourCostsEdit", .label = award::kLabourCostsLabel};
inline constexpr LabelledRow kDiscountDecimalsRow{.name = "discountDecimalsSpin",
                                                  .label = award::kDiscountDecimalsLabel};
inline constexpr LabelledRow kGuaranteeKindRow{.name = "guaranteeKindCombo",
                                               .label = award::kGuaranteeKindLabel};

// A figure's field: its id and "Edit", as the main window's fields are named.
inline QString figureFieldName(const award::FigureRow& row) {
  return QString::fromLatin1(row.id.data(), static_cast<qsizetype>(row.id.size())) + QStringLiteral("Edit");
}

// The width that the figures' fields share: the longest outcome in full.
inline constexpr std::string_view kFigureSample =
    "discordanza dovuta all'arrotondamento del ribasso a 9 decimali";

inline constexpr const char* kErrorLabelName = "awardErrorLabel";
inline constexpr const char* kWarningLabelName = "awardWarningLabel";
inline constexpr const char* kSaveButtonName = "awardSaveButton";
inline constexpr const char* kSaveButtonText = "&Salva";
inline constexpr const char* kCloseButtonName = "closeButton";
inline constexpr const char* kCloseButtonText = "&Chiudi";

}  // namespace ui::award_layout
