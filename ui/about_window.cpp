// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/about_window.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/about_panel.h"
#include "ui/about_picture.h"
#include "ui/accessible_window.h"
#include "ui/centring.h"
#include "ui/jpeg_screen_depth.h"
#include "ui/look.h"

namespace ui {
namespace {

// The window's fixed geometry in pixels: a one-pixel border around the client
// area, and the bands of the client area from top to bottom.
constexpr int kBorder = 1;
constexpr QSize kClientSize(458, 296);
constexpr QRect kHeaderRect(0, 0, 458, 49);
constexpr QRect kPictureRect(0, 49, 458, 205);  // row 254 below it is the gap
constexpr QRect kFooterRect(0, 255, 458, 41);
constexpr QRect kButtonRect(378, 224, 75, 25);

const char* const kDescription = "Studio tecnico (esempio)";

struct FontRow {
  const char* family;
  int pixelSize;  // character height
  bool italic;
};

enum class Ink { WindowText, Grey, Olive, Silver };
enum class Fill { Transparent, White };

struct LabelRow {
  const char* name;
  const char* text;
  QPoint topLeft;  // relative to the label's parent
  FontRow font;
  Ink ink;
  Fill fill;
};

constexpr FontRow kWindowFont{"MS Sans Serif", 11, false};
constexpr FontRow kFirmNameFont{"Times New Roman", 40, false};
constexpr FontRow kDescriptionFont{"Times New Roman", 19, false};
constexpr FontRow kHeadingFont{"Times New Roman", 24, false};
constexpr FontRow kNameFont{"Times New Roman", 16, true};
constexpr FontRow kContactFont{"Times New Roman", 13, true};

// The firm's name, and its shadow, one pixel lower-right, painted first.
const LabelRow kFirmNameShadowLabel{.name = "firmNameShadowLabel",
                                    .text = "Calmora",
                                    .topLeft = {9, 2},
                                    .font = kFirmNameFont,
                                    .ink = Ink::Grey,
                                    .fill = Fill::White};
const LabelRow kFirmNameLabel{.name = "firmNameLabel",
                              .text = "Calmora",
                              .topLeft = {8, 1},
                              .font = kFirmNameFont,
                              .ink = Ink::WindowText,
                              .fill = Fill::Transparent};
const LabelRow kDescriptionLabel{.name = "descriptionLabel",
                                 .text = kDescription,
                                 .topLeft = {224, 24},
                                 .font = kDescriptionFont,
                                 .ink = Ink::WindowText,
                                 .fill = Fill::White};

// Over the picture, in painting order; the later ones lie on top.
const LabelRow kStructuresHeadingLabel{.name = "structuresHeadingLabel",
                                       .text = "Progettazione strutturale e impianti",
                                       .topLeft = {15, 58},
                                       .font = kHeadingFont,
                                       .ink = Ink::Olive,
                                       .fill = Fill::Transparent};
const LabelRow kStructuresFirstNameLabel{.name = "structuresFirstNameLabel",
                                         .text = "Ing. Marco Esempio",
                                         .topLeft = {27, 86},
                                         .font = kNameFont,
                                         .ink = Ink::Silver,
                                         .fill = Fill::Transparent};
const LabelRow kArchitectureHeadingLabel{.name = "architectureHeadingLabel",
                                         .text = "Architettura e urbanistica",
                                         .topLeft = {15, 129},
                                         .font = kHeadingFont,
                                         .ink = Ink::Olive,
                                         .fill = Fill::Transparent};
const LabelRow kSurveyingHeadingLabel{.name = "surveyingHeadingLabel",
                                      .text = "Topografia",
                                      .topLeft = {15, 201},
                                      .font = kHeadingFont,
                                      .ink = Ink::Olive,
                                      .fill = Fill::Transparent};
const LabelRow kStructuresSecondNameLabel{.name = "structuresSecondNameLabel",
                                          .text = "Ing. Paola Finti",
                                          .topLeft = {27, 108},
                                          .font = kNameFont,
                                          .ink = Ink::Silver,
                                          .fill = Fill::Transparent};
const LabelRow kArchitectureFirstNameLabel{.name = "architectureFirstNameLabel",
                                           .text = "Arch. Lucia Modelli",
                                           .topLeft = {27, 155},
                                           .font = kNameFont,
                                           .ink = Ink::Silver,
                                           .fill = Fill::Transparent};
const LabelRow kArchitectureSecondNameLabel{.name = "architectureSecondNameLabel",
                                            .text = "Arch. Davide Prototipo",
                                            .topLeft = {27, 178},
                                            .font = kNameFont,
                                            .ink = Ink::Silver,
                                            .fill = Fill::Transparent};
const LabelRow kSurveyingNameLabel{.name = "surveyingNameLabel",
                                   .text = "Geom. Carlo Campione",
                                   .topLeft = {27, 228},
                                   .font = kNameFont,
                                   .ink = Ink::Silver,
                                   .fill = Fill::Transparent};

// The footer's contact data.
const LabelRow kAddressLabel{.name = "addressLabel",
                             .text = "Via dell'Esempio 1, 00000 Borgo Finto (XX)",
                             .topLeft = {6, 5},
                             .font = kContactFont,
                             .ink = Ink::WindowText,
                             .fill = Fill::White};
const LabelRow kWebsiteLabel{.name = "websiteLabel",
                             .text = "www.example.org",
                             .topLeft = {6, 21},
                             .font = kContactFont,
                             .ink = Ink::WindowText,
                             .fill = Fill::White};
const LabelRow kPhoneLabel{.name = "phoneLabel",
                           .text = "Tel./Fax: 000 0000000",
                           .topLeft = {278, 5},
                           .font = kContactFont,
                           .ink = Ink::WindowText,
                           .fill = Fill::White};
const LabelRow kEmailLabel{.name = "emailLabel",
                           .text = "E-mail: studio@example.org",
                           .topLeft = {278, 21},
                           .font = kContactFont,
                           .ink = Ink::WindowText,
                           .fill = Fill::White};

QFont fontOf(const FontRow& row) { return pixelFont(row.family, row.pixelSize, {.italic = row.italic}); }

QColor colourOf(Ink ink, const QPalette& palette) {
  switch (ink) {
    case Ink::Grey: return kGrey;
    case Ink::Olive: return kOlive;
    case Ink::Silver: return kSilver;
    case Ink::WindowText: break;
  }
  return palette.color(QPalette::WindowText);
}

// An auto-sized label at its place; every label takes the clicks made on it.
QLabel* makeLabel(const LabelRow& row, QWidget* parent, QObject* mouseFilter) {
  auto* label = new QLabel(QString::fromUtf8(row.text), parent);
  label->setObjectName(QString::fromLatin1(row.name));
  label->setTextFormat(Qt::PlainText);
  label->setMargin(0);
  label->setFont(fontOf(row.font));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colourOf(row.ink, palette));
  palette.setColor(QPalette::Window, Qt::white);
  label->setPalette(palette);
  // Set explicitly: a child otherwise inherits the window's button-face role.
  label->setBackgroundRole(QPalette::Window);
  label->setAutoFillBackground(row.fill == Fill::White);
  label->adjustSize();
  label->move(row.topLeft);
  label->installEventFilter(mouseFilter);
  return label;
}

QByteArray programPicture() {
  QFile file(QStringLiteral(":/about/calmora.jpg"));
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

bool isMouseButtonEvent(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : AboutWindow(programPicture(), jpegScreenDepth(), parent) {}

AboutWindow::AboutWindow(const QByteArray& jpeg, int screenBitsPerPixel, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  installAccessibleWindows();
  auto* client = new QWidget(this);
  setUpWindow(client);
  createHeader(client);
  createPicture(client, jpeg, screenBitsPerPixel);
  createFooter(client);
  createCloseButton(client);
}

void AboutWindow::setUpWindow(QWidget* client) {
  setObjectName(QStringLiteral("aboutWindow"));
  setWindowTitle(QStringLiteral("Calmora - ") + QString::fromUtf8(kDescription));
  setFont(fontOf(kWindowFont));
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setFixedSize(kClientSize + QSize(2 * kBorder, 2 * kBorder));
  client->setObjectName(QStringLiteral("clientArea"));
  client->setGeometry(QRect(QPoint(kBorder, kBorder), kClientSize));
  client->setBackgroundRole(QPalette::Button);
  client->setAutoFillBackground(true);
}

void AboutWindow::createHeader(QWidget* client) {
  headerPanel = new AboutPanel(AboutPanel::InnerBorder::White, client);
  headerPanel->setObjectName(QStringLiteral("headerPanel"));
  headerPanel->setGeometry(kHeaderRect);
  headerPanel->installEventFilter(this);
  connect(headerPanel, &AboutPanel::clicked, this, &AboutWindow::closeWindow);
  // The firm's name is heard once, from the name itself, not its shadow.
  markDecorative(*makeLabel(kFirmNameShadowLabel, headerPanel, this));
  makeLabel(kFirmNameLabel, headerPanel, this);
  makeLabel(kDescriptionLabel, headerPanel, this);
}

void AboutWindow::createPicture(QWidget* client, const QByteArray& jpeg, int screenBitsPerPixel) {
  picture = new AboutPicture(jpeg, screenBitsPerPixel, client);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setGeometry(kPictureRect);
  connect(picture, &AboutPicture::clicked, this, &AboutWindow::closeWindow);
  for (const LabelRow* row :
       {&kStructuresHeadingLabel, &kStructuresFirstNameLabel, &kArchitectureHeadingLabel,
        &kSurveyingHeadingLabel, &kStructuresSecondNameLabel, &kArchitectureFirstNameLabel,
        &kArchitectureSecondNameLabel, &kSurveyingNameLabel}) {
    makeLabel(*row, client, this);
  }
}

void AboutWindow::createFooter(QWidget* client) {
  footerPanel = new AboutPanel(AboutPanel::InnerBorder::None, client);
  footerPanel->setObjectName(QStringLiteral("footerPanel"));
  footerPanel->setGeometry(kFooterRect);
  footerPanel->installEventFilter(this);
  connect(footerPanel, &AboutPanel::clicked, this, &AboutWindow::closeWindow);
  for (const LabelRow* row : {&kAddressLabel, &kWebsiteLabel, &kPhoneLabel, &kEmailLabel}) {
    makeLabel(*row, footerPanel, this);
  }
}

void AboutWindow::createCloseButton(QWidget* client) {
  closeButton = new QPushButton(QStringLiteral("&Chiudi"), client);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setGeometry(kButtonRect);
  closeButton->setAutoDefault(false);
  closeButton->setDefault(false);
  closeButton->setFocusPolicy(Qt::StrongFocus);
  closeButton->installEventFilter(this);
  closeButton->raise();
  connect(closeButton, &QPushButton::clicked, this, &AboutWindow::closeWindow);
}

void AboutWindow::closeWindow() { done(QDialog::Rejected); }

void AboutWindow::setVisible(bool visible) {
  if (visible && !isVisible()) centreOnScreen(*this);
  QDialog::setVisible(visible);
}

// The first showing puts the focus on the button; a later one keeps it on the
// part that had it when the window was hidden (a panel, after the arrows).
void AboutWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (focusWidget() == nullptr) closeButton->setFocus(Qt::OtherFocusReason);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  // No cancel button: Escape leaves the window open.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// The window's one filter: labels swallow mouse buttons so that a click on
// them reaches neither the picture nor a panel; the button and the panels get
// the arrow-key focus cycle, Enter on the button and the bare C key.
bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
  if (isMouseButtonEvent(event->type()) && qobject_cast<QLabel*>(watched) != nullptr) {
    event->accept();
    return true;
  }
  if (event->type() == QEvent::KeyPress) return handleFocusKey(watched, *static_cast<QKeyEvent*>(event));
  return QDialog::eventFilter(watched, event);
}

bool AboutWindow::handleFocusKey(QObject* watched, const QKeyEvent& key) {
  const QList<QWidget*> cycle{closeButton, headerPanel, footerPanel};
  const auto at = cycle.indexOf(qobject_cast<QWidget*>(watched));
  if (at < 0) return false;
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  switch (key.key()) {
    case Qt::Key_Right:
    case Qt::Key_Down: cycle[(at + 1) % cycle.size()]->setFocus(Qt::OtherFocusReason); return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
      cycle[(at + cycle.size() - 1) % cycle.size()]->setFocus(Qt::OtherFocusReason);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (modifiers != Qt::NoModifier) return false;
      if (watched == closeButton) closeButton->click();
      return true;  // a panel does nothing with Enter
    case Qt::Key_C:
      if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) return false;
      closeButton->click();
      return true;
    default: return false;
  }
}

}  // namespace ui
