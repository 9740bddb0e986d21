// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The printed reports: what printing the page prints instead of the windows
// (page.css shows them in print media only). It draws the lines that the
// form's report gives, each in the report's face, size, style and colour;
// when the form gives none (Salva disabled), the page's line saying that
// there is no report is printed instead. The award check's report follows,
// drawn the same way, while the award check has figures; without them
// nothing of it is printed.

const printedReport = (() => {
  const section = document.getElementById('printedReport');
  const lines = document.getElementById('reportLines');
  const awardLines = document.getElementById('awardReportLines');

  function paragraph(line) {
    const element = document.createElement('p');
    element.textContent = line.text;
    if (line.bold) element.style.fontWeight = 'bold';
    if (line.italic) element.style.fontStyle = 'italic';
    const decorations = [line.underline && 'underline', line.strikeOut && 'line-through'].filter(Boolean);
    if (decorations.length) element.style.textDecorationLine = decorations.join(' ');
    if (line.colour) element.style.color = line.colour;
    return element;
  }

  // report: {face, points, lines: [{text, bold, italic, underline,
  // strikeOut, colour}]}, as web/printed_report.h gives it.
  function drawInto(container, report) {
    container.style.font = `${report.points}pt "${report.face}", sans-serif`;
    container.replaceChildren(...report.lines.map(paragraph));
  }

  return {
    draw(report) {
      drawInto(lines, report);
      section.classList.toggle('available', report.lines.length > 0);
    },
    drawAward(report) {
      drawInto(awardLines, report);
    },
  };
})();
