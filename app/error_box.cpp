// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/error_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

#include "app/dialog_pixmaps.h"

namespace app {
namespace {

// The widest message column, where the toolkit's own message boxes start to
// wrap as well; a narrower screen gets half its width.
constexpr int kMessageWidth = 500;

QRect AvailableGeometry() {
  const QWidget* active = QApplication::activeWindow();
  const QScreen* screen = active != nullptr ? active->screen() : QGuiApplication::primaryScreen();
  return screen->availableGeometry();
}

// The height the text area needs to show the whole text wrapped at this
// width: its lines laid out as the area lays them out, leading included,
// inside the document's margin, and the pixel the area keeps free below.
int WrappedHeight(const QPlainTextEdit& area, int width) {
  const QTextDocument& document = *area.document();
  const qreal margin = document.documentMargin();
  qreal height = 2 * margin;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QTextLayout layout(block.text(), area.font());
    layout.setTextOption(document.defaultTextOption());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLeadingIncluded(true);
      line.setLineWidth(width - 2 * margin);
      height += line.height();
    }
    layout.endLayout();
  }
  return qCeil(height) + 1;
}

// The message as a read-only, selectable text on the window's background.
QPlainTextEdit* MessageArea(const QString& text) {
  auto* area = new QPlainTextEdit(text);
  area->setReadOnly(true);
  area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  area->setFrameShape(QFrame::NoFrame);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette palette = area->palette();
  palette.setBrush(QPalette::Base, palette.window());
  area->setPalette(palette);
  return area;
}

// The widest line and the widest word of a text, in pixels.
struct TextWidths {
  int line = 0;
  int word = 0;
};

TextWidths WidthsOf(const QString& text, const QFontMetrics& metrics) {
  TextWidths widths;
  for (const QString& line : text.split(u'\n')) {
    widths.line = qMax(widths.line, metrics.horizontalAdvance(line));
    for (const QString& word : line.split(u' ', Qt::SkipEmptyParts)) {
      widths.word = qMax(widths.word, metrics.horizontalAdvance(word));
    }
  }
  return widths;
}

// Fixes the area's wrapping and size: as wide as its longest line up to the
// width limit, as high as the wrapped text up to half the screen, scrolling
// beyond. The text wraps at spaces; a text with a word wider than the column
// wraps anywhere, since the toolkit's wrapping at spaces or else anywhere
// takes seconds on a long run without spaces such as a pasted amount.
void FitMessageArea(QPlainTextEdit& area, const QRect& available) {
  const int margins = qCeil(2 * area.document()->documentMargin());
  const int widthLimit = qMin(kMessageWidth, available.width() / 2);
  const int heightLimit = available.height() / 2;

  const TextWidths widths = WidthsOf(area.toPlainText(), area.fontMetrics());
  area.setWordWrapMode(widths.word + margins > widthLimit ? QTextOption::WrapAnywhere
                                                          : QTextOption::WrapAtWordBoundaryOrAnywhere);
  // A pixel for the cursor and one for rounding keep a line that fits on one.
  const int width = qMin(widths.line + margins + 2, widthLimit);
  const int height = WrappedHeight(area, width);
  if (height <= heightLimit) {
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setFixedSize(width, height);
  } else {
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area.setFixedSize(width + area.verticalScrollBar()->sizeHint().width(), heightLimit);
  }
}

// Shows the message in a text area in the place of the box's own label, which
// wraps only at spaces and never scrolls; the hidden label keeps the text
// that the box reports and copies. The label is found by the toolkit's own
// name for it; a toolkit that names or lays it out otherwise keeps its label,
// which shows the message all the same, only without scrolling.
void ShowInTextArea(QMessageBox& box, const QString& text) {
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (label == nullptr || grid == nullptr || grid->indexOf(label) < 0) return;
  int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
  grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
  label->hide();
  QPlainTextEdit* area = MessageArea(text);
  FitMessageArea(*area, AvailableGeometry());
  grid->addWidget(area, row, column, rowSpan, columnSpan);
}

}  // namespace

void MessageErrorBox::Show(const QString& title, const QString& text) {
  const DialogPixmaps pixmaps;
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setDefaultButton(QMessageBox::Ok);
  ShowInTextArea(box, text);
  box.exec();
}

}  // namespace app
