// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// The award check's report: its lines for a worked example, the note that
// appears only when the discount has too many decimals, the other separator,
// inputs that give no figures, and the RTF bytes against a golden file.

#include "report/award_report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "award/award_error.h"
#include "tests/report/rtf_reader.h"

namespace {

using report::ReportBuffer;

const award::AwardInputs kFirstExample{
    .baseAmount = "1000000", .discount = "12,345", .contractorTotal = "880253,50", .safetyCosts = "30000"};

std::vector<std::string> Texts(const ReportBuffer& buffer) {
  std::vector<std::string> texts;
  for (const report::ReportLine& line : buffer.Lines()) texts.push_back(line.text);
  return texts;
}

TEST(AwardReport, LinesOfTheFirstWorkedExample) {
  ReportBuffer buffer;
  report::BuildAwardReport(buffer, kFirstExample, ',');
  const std::vector<std::string> expected = {
      "Verifica dell'aggiudicazione.",
      "",
      "",
      "Importo a base d'asta:\t\t\t\t\t1.000.000",
      "Oneri della sicurezza non soggetti a ribasso:\t\t30.000",
      "Costi della manodopera non soggetti a ribasso:\t\t0",
      "Percentuale di ribasso aggiudicatrice:\t\t\t12,345 %",
      "Decimali del ribasso ammessi dalla gara:\t\t3",
      "Importo totale dei lavori (Impresa):\t\t\t880.253,50",
      "Garanzia:\t\t\t\t\t\t\tordinaria (art. 117)",
      "",
      "Importo soggetto a ribasso:\t\t\t\t970.000,00",
      "Importo contrattuale:\t\t\t\t\t880.253,50",
      "Importo contrattuale in lettere:\t\t\t\tottocentottantamiladuecentocinquantatré/50",
      "Ribasso implicito dell'Impresa:\t\t\t\t12,345000 %",
      "Impresa meno importo contrattuale:\t\t\t0,00",
      "Esito:\t\t\t\t\t\t\t\tconcorde",
      "Garanzia definitiva:\t\t\t\t\t\t12,345 % dell'importo contrattuale, 108.667,29",
  };
  EXPECT_EQ(Texts(buffer), expected);
  EXPECT_EQ(buffer.Lines()[0].format,
            (report::CharacterFormat{.colour = report::Rgb{0, 0, 128}, .style = {.bold = true}}));
  EXPECT_EQ(buffer.Lines()[3].format, report::CharacterFormat{});
  EXPECT_EQ(buffer.DefaultFace(), "Arial");
  EXPECT_EQ(buffer.DefaultSize(), 12);
}

TEST(AwardReport, NoteOnlyWhenTheDiscountHasMoreDecimals) {
  ReportBuffer buffer;
  report::BuildAwardReport(buffer, kFirstExample, ',');
  const std::size_t plainLines = buffer.Lines().size();
  award::AwardInputs moreDecimals = kFirstExample;
  moreDecimals.discount = "12,3451";
  report::BuildAwardReport(buffer, moreDecimals, ',');
  ASSERT_EQ(buffer.Lines().size(), plainLines + 1);
  EXPECT_EQ(buffer.Lines()[plainLines - 1].text,
            "Nota:\t\t\t\t\t\t\t\tla percentuale di ribasso ha più di 3 decimali, più di quanti ne ammette "
            "la gara");
}

// An amount the user most likely did not mean is never printed without the
// check's warning, at the top, before the inputs.
TEST(AwardReport, WarningsStandBeforeTheInputs) {
  const award::AwardInputs thousandsTypedAsPoint{
      .baseAmount = "1000,000", .discount = "12,345", .contractorTotal = "876,55"};
  ReportBuffer buffer;
  report::BuildAwardReport(buffer, thousandsTypedAsPoint, ',');
  const std::vector<std::string> texts = Texts(buffer);
  ASSERT_GE(texts.size(), 6U);
  EXPECT_EQ(texts[3],
            "Avviso: Importo a base d'asta letto come 1.000,000: per le migliaia non si digita il punto.");
  EXPECT_EQ(texts[4], "");
  EXPECT_EQ(texts[5], "Importo a base d'asta:\t\t\t\t\t1.000,000");
}

TEST(AwardReport, PointSeparatorGroupsWithCommas) {
  award::AwardInputs pointInputs = kFirstExample;
  pointInputs.discount = "12.345";
  pointInputs.contractorTotal = "880253.50";
  ReportBuffer buffer;
  report::BuildAwardReport(buffer, pointInputs, '.');
  EXPECT_EQ(buffer.Lines()[12].text, "Importo contrattuale:\t\t\t\t\t880,253.50");
}

TEST(AwardReport, InputsWithoutFiguresLeaveTheBufferAsItWas) {
  ReportBuffer buffer;
  report::BuildAwardReport(buffer, kFirstExample, ',');
  const std::vector<std::string> before = Texts(buffer);
  award::AwardInputs noSubject = kFirstExample;
  noSubject.safetyCosts = "1000000";
  EXPECT_THROW(report::BuildAwardReport(buffer, noSubject, ','), award::AwardError);
  EXPECT_EQ(Texts(buffer), before);
}

// golden/award_report.rtf was written by this writer; it pins the bytes that
// every edition writes for the first worked example. A reader finds in it the
// buffer's lines, "tré" included, in Arial with the navy title.
TEST(AwardReport, RtfBytesOfTheFirstWorkedExample) {
  std::ifstream golden(REPORT_GOLDEN_DIR "/award_report.rtf", std::ios::binary);
  ASSERT_TRUE(golden) << REPORT_GOLDEN_DIR "/award_report.rtf";
  const std::string expected{std::istreambuf_iterator<char>(golden), std::istreambuf_iterator<char>()};
  const std::string rtf = report::AwardReportRtf(kFirstExample, ',');
  EXPECT_EQ(rtf, expected);

  ReportBuffer buffer;
  report::BuildAwardReport(buffer, kFirstExample, ',');
  const report::testing::ReadDocument document = report::testing::ReadRtf(rtf);
  EXPECT_TRUE(document.unknown.empty());
  EXPECT_EQ(document.fonts, std::vector<std::string>{"Arial"});
  ASSERT_EQ(document.paragraphs.size(), buffer.Lines().size());
  for (std::size_t line = 0; line < buffer.Lines().size(); ++line) {
    EXPECT_EQ(document.paragraphs[line].text, report::testing::Utf16(buffer.Lines()[line].text)) << line;
  }
}

}  // namespace
