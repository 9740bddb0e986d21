// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

'use strict';
// The printed report: what printing the page prints instead of the windows
// (page.css shows it in print media only). It draws the lines that the
// form's report gives, each in the report's face, size, style and colour;
// when the form gives none (Salva disabled), the page's line saying that
// there is no report is printed instead.

const printedReport = (() => {
  const section = document.getElementById('printedReport');
  const lines = document.getElementById('reportLines');

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

  return {
    // report: {face, points, lines: [{text, bold, italic, underline,
    // strikeOut, colour}]}, as PageForm.printedReport() gives it.
    draw(report) {
      lines.style.font = `${report.points}pt "${report.face}", sans-serif`;
      lines.replaceChildren(...report.lines.map(paragraph));
      section.classList.toggle('available', report.lines.length > 0);
    },
  };
})();
