// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The award check's figures as one table, in the one order in which every
// edition gives them: the window's and the page's rows, the report's and the
// companion's lines, the companion's CSV columns. A row holds the figure's
// id (the one name every edition gives it: "subjectAmount" is the window's
// subjectAmountEdit and the page's subjectAmountOutput), its label and the
// unit that follows its text. Adding a figure means a row here and its text
// in award_texts.cpp; the editions loop over the table.
//
//   Importo soggetto a ribasso: 970.000,00
//   Ribasso implicito dell'Impresa: 12,345000 %      (" %" is the row's unit)

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace award {

enum class Figure {
  SubjectAmount,            // X = A − S − L, to the cent
  ContractAmount,           // I, to the cent
  AmountInWords,            // I in words, or why it is not written
  ImpliedDiscount,          // P*, per cent, at N + 3 places
  ContractorMinusContract,  // C − I, to the cent
  Outcome,                  // "concorde", or which discrepancy
  Note,                     // that P has more decimals than admitted; mostly empty
  Guarantee,                // the sentence of the guarantee's rate and amount
  GuaranteeRate,            // the rate alone, per cent
  GuaranteeAmount,          // the amount alone, to the cent
};

// Where a figure appears. The guarantee is one sentence where a person
// reads it, and its rate and amount are two columns where a program does.
enum class Shown {
  Everywhere,  // a row, a line and a CSV column
  AsLine,      // a row of the window and the page, a line of the report and the companion
  AsColumn,    // a column of the companion's CSV
};

struct FigureRow {
  Figure figure;
  std::string_view id;
  std::string_view label;
  std::string_view unit = {};
  Shown shown = Shown::Everywhere;
  bool omittedWhenEmpty = false;  // its row and line only while it says something
};

inline constexpr std::string_view kGuaranteeLabel = "Garanzia definitiva";

// In the order of enum Figure.
inline constexpr std::array kFigures{
    FigureRow{.figure = Figure::SubjectAmount, .id = "subjectAmount", .label = "Importo soggetto a ribasso"},
    FigureRow{.figure = Figure::ContractAmount, .id = "contractAmount", .label = "Importo contrattuale"},
    FigureRow{
        .figure = Figure::AmountInWords, .id = "amountInWords", .label = "Importo contrattuale in lettere"},
    FigureRow{.figure = Figure::ImpliedDiscount,
              .id = "impliedDiscount",
              .label = "Ribasso implicito dell'Impresa",
              .unit = " %"},
    FigureRow{.figure = Figure::ContractorMinusContract,
              .id = "contractorMinusContract",
              .label = "Impresa meno importo contrattuale"},
    FigureRow{.figure = Figure::Outcome, .id = "outcome", .label = "Esito"},
    FigureRow{.figure = Figure::Note, .id = "note", .label = "Nota", .omittedWhenEmpty = true},
    FigureRow{
        .figure = Figure::Guarantee, .id = "guarantee", .label = kGuaranteeLabel, .shown = Shown::AsLine},
    FigureRow{.figure = Figure::GuaranteeRate,
              .id = "guaranteeRate",
              .label = "Garanzia definitiva (%)",
              .shown = Shown::AsColumn},
    FigureRow{.figure = Figure::GuaranteeAmount,
              .id = "guaranteeAmount",
              .label = kGuaranteeLabel,
              .shown = Shown::AsColumn},
};

static_assert(
    [] {
      for (std::size_t i = 0; i < kFigures.size(); ++i)
        if (static_cast<std::size_t>(kFigures[i].figure) != i) return false;
      return true;
    }(),
    "kFigures lists the figures in the order of enum Figure");

constexpr std::size_t IndexOf(Figure figure) { return static_cast<std::size_t>(figure); }
constexpr const FigureRow& RowOf(Figure figure) { return kFigures[IndexOf(figure)]; }
constexpr bool IsLine(const FigureRow& row) { return row.shown != Shown::AsColumn; }
constexpr bool IsColumn(const FigureRow& row) { return row.shown != Shown::AsLine; }

// Every figure's text, without its unit, grouped by thousands or not as
// they were made: "970.000,00" for a person, "970000,00" for a program.
struct AwardTexts {
  std::array<std::string, kFigures.size()> figures{};
  // One sentence for each amount read with more than two decimals, which
  // the user most likely meant otherwise: every edition shows them above
  // the figures, and the report prints them.
  //   "Importo a base d'asta letto come 250,000: per le migliaia non si digita il punto"
  std::vector<std::string> warnings{};

  const std::string& operator[](Figure figure) const { return figures[IndexOf(figure)]; }
  std::string& operator[](Figure figure) { return figures[IndexOf(figure)]; }
  bool operator==(const AwardTexts&) const = default;
};

// A figure's text as a line or a row shows it: followed by its unit, unless
// it is empty. TextWithUnit(texts, Figure::ImpliedDiscount) → "12,345000 %".
std::string TextWithUnit(const AwardTexts& texts, const FigureRow& row);

// Whether a line, or a visible row, gives the figure for these texts: a
// line-shown figure, and the note only while it says something.
bool HasLine(const AwardTexts& texts, const FigureRow& row);

}  // namespace award
