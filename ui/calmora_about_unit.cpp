#include "ui/calmora_about_unit.h"

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

TCalmoraAboutForm* CalmoraAboutForm = nullptr;

namespace {

// The window's fixed geometry in pixels: a one-pixel frame around the client
// area, and the bands of the client area from top to bottom.
constexpr int kFrame = 1;
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

// The firm's name: Label3 is its shadow, one pixel lower-right, painted first.
const LabelRow kLabel3{.name = "Label3",
                       .text = "Calmora",
                       .topLeft = {9, 2},
                       .font = kFirmNameFont,
                       .ink = Ink::Grey,
                       .fill = Fill::White};
const LabelRow kLabel1{.name = "Label1",
                       .text = "Calmora",
                       .topLeft = {8, 1},
                       .font = kFirmNameFont,
                       .ink = Ink::WindowText,
                       .fill = Fill::Transparent};
const LabelRow kLabel2{.name = "Label2",
                       .text = kDescription,
                       .topLeft = {224, 24},
                       .font = kDescriptionFont,
                       .ink = Ink::WindowText,
                       .fill = Fill::White};

// Over the picture, in painting order; the later ones lie on top.
const LabelRow kLabel4{.name = "Label4",
                       .text = "Progettazione strutturale e impianti",
                       .topLeft = {15, 58},
                       .font = kHeadingFont,
                       .ink = Ink::Olive,
                       .fill = Fill::Transparent};
const LabelRow kLabel5{.name = "Label5",
                       .text = "Ing. Marco Esempio",
                       .topLeft = {27, 86},
                       .font = kNameFont,
                       .ink = Ink::Silver,
                       .fill = Fill::Transparent};
const LabelRow kLabel6{.name = "Label6",
                       .text = "Architettura e urbanistica",
                       .topLeft = {15, 129},
                       .font = kHeadingFont,
                       .ink = Ink::Olive,
                       .fill = Fill::Transparent};
const LabelRow kLabel7{.name = "Label7",
                       .text = "Topografia",
                       .topLeft = {15, 201},
                       .font = kHeadingFont,
                       .ink = Ink::Olive,
                       .fill = Fill::Transparent};
const LabelRow kLabel8{.name = "Label8",
                       .text = "Ing. Paola Finti",
                       .topLeft = {27, 108},
                       .font = kNameFont,
                       .ink = Ink::Silver,
                       .fill = Fill::Transparent};
const LabelRow kLabel9{.name = "Label9",
                       .text = "Arch. Lucia Modelli",
                       .topLeft = {27, 155},
                       .font = kNameFont,
                       .ink = Ink::Silver,
                       .fill = Fill::Transparent};
const LabelRow kLabel10{.name = "Label10",
                        .text = "Arch. Davide Prototipo",
                        .topLeft = {27, 178},
                        .font = kNameFont,
                        .ink = Ink::Silver,
                        .fill = Fill::Transparent};
const LabelRow kLabel11{.name = "Label11",
                        .text = "Geom. Carlo Campione",
                        .topLeft = {27, 228},
                        .font = kNameFont,
                        .ink = Ink::Silver,
                        .fill = Fill::Transparent};

// The footer's contact data.
const LabelRow kLabel12{.name = "Label12",
                        .text = "Via dell'Esempio 1, 00000 Borgo Finto (XX)",
                        .topLeft = {6, 5},
                        .font = kContactFont,
                        .ink = Ink::WindowText,
                        .fill = Fill::White};
const LabelRow kLabel13{.name = "Label13",
                        .text = "www.example.org",
                        .topLeft = {6, 21},
                        .font = kContactFont,
                        .ink = Ink::WindowText,
                        .fill = Fill::White};
const LabelRow kLabel14{.name = "Label14",
                        .text = "Tel./Fax: 000 0000000",
                        .topLeft = {278, 5},
                        .font = kContactFont,
                        .ink = Ink::WindowText,
                        .fill = Fill::White};
const LabelRow kLabel15{.name = "Label15",
                        .text = "E-mail: studio@example.org",
                        .topLeft = {278, 21},
                        .font = kContactFont,
                        .ink = Ink::WindowText,
                        .fill = Fill::White};

QFont FontOf(const FontRow& row) { return ui::PixelFont(row.family, row.pixelSize, {.italic = row.italic}); }

QColor ColourOf(Ink ink, const QPalette& palette) {
  switch (ink) {
    case Ink::Grey: return ui::kGrey;
    case Ink::Olive: return ui::kOlive;
    case Ink::Silver: return ui::kSilver;
    case Ink::WindowText: break;
  }
  return palette.color(QPalette::WindowText);
}

// An auto-sized label at its place; every label takes the clicks made on it.
QLabel* MakeLabel(const LabelRow& row, QWidget* parent, QObject* mouseFilter) {
  auto* label = new QLabel(QString::fromUtf8(row.text), parent);
  label->setObjectName(QString::fromLatin1(row.name));
  label->setTextFormat(Qt::PlainText);
  label->setMargin(0);
  label->setFont(FontOf(row.font));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ColourOf(row.ink, palette));
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

QByteArray ProgramPicture() {
  QFile file(QStringLiteral(":/about/calmora.jpg"));
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

bool IsMouseButtonEvent(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick;
}

}  // namespace

TCalmoraAboutForm::TCalmoraAboutForm(QWidget* parent)
    : TCalmoraAboutForm(ProgramPicture(), ui::JpegScreenDepth(), parent) {}

TCalmoraAboutForm::TCalmoraAboutForm(const QByteArray& jpeg, int screenBitsPerPixel, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  ui::InstallAccessibleWindows();
  auto* client = new QWidget(this);
  SetupWindow(client);
  SetupHeader(client);
  SetupPicture(client, jpeg, screenBitsPerPixel);
  SetupFooter(client);
  SetupButton(client);
}

void TCalmoraAboutForm::SetupWindow(QWidget* client) {
  setObjectName(QStringLiteral("CalmoraAboutForm"));
  setWindowTitle(QStringLiteral("Calmora - ") + QString::fromUtf8(kDescription));
  setFont(FontOf(kWindowFont));
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setFixedSize(kClientSize + QSize(2 * kFrame, 2 * kFrame));
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setGeometry(QRect(QPoint(kFrame, kFrame), kClientSize));
  client->setBackgroundRole(QPalette::Button);
  client->setAutoFillBackground(true);
}

void TCalmoraAboutForm::SetupHeader(QWidget* client) {
  Panel1 = new ui::AboutPanel(ui::AboutPanel::InnerBorder::White, client);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(kHeaderRect);
  Panel1->installEventFilter(this);
  connect(Panel1, &ui::AboutPanel::clicked, this, &TCalmoraAboutForm::Button1Click);
  Label3 = MakeLabel(kLabel3, Panel1, this);
  ui::MarkDecorative(*Label3);  // the firm's name is heard once, from Label1
  Label1 = MakeLabel(kLabel1, Panel1, this);
  Label2 = MakeLabel(kLabel2, Panel1, this);
}

void TCalmoraAboutForm::SetupPicture(QWidget* client, const QByteArray& jpeg, int screenBitsPerPixel) {
  ProgramIcon = new ui::AboutPicture(jpeg, screenBitsPerPixel, client);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(kPictureRect);
  connect(ProgramIcon, &ui::AboutPicture::clicked, this, &TCalmoraAboutForm::Button1Click);
  Label4 = MakeLabel(kLabel4, client, this);
  Label5 = MakeLabel(kLabel5, client, this);
  Label6 = MakeLabel(kLabel6, client, this);
  Label7 = MakeLabel(kLabel7, client, this);
  Label8 = MakeLabel(kLabel8, client, this);
  Label9 = MakeLabel(kLabel9, client, this);
  Label10 = MakeLabel(kLabel10, client, this);
  Label11 = MakeLabel(kLabel11, client, this);
}

void TCalmoraAboutForm::SetupFooter(QWidget* client) {
  Panel2 = new ui::AboutPanel(ui::AboutPanel::InnerBorder::None, client);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(kFooterRect);
  Panel2->installEventFilter(this);
  connect(Panel2, &ui::AboutPanel::clicked, this, &TCalmoraAboutForm::Button1Click);
  Label12 = MakeLabel(kLabel12, Panel2, this);
  Label13 = MakeLabel(kLabel13, Panel2, this);
  Label14 = MakeLabel(kLabel14, Panel2, this);
  Label15 = MakeLabel(kLabel15, Panel2, this);
}

void TCalmoraAboutForm::SetupButton(QWidget* client) {
  Button1 = new QPushButton(QStringLiteral("&Chiudi"), client);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(kButtonRect);
  Button1->setAutoDefault(false);
  Button1->setDefault(false);
  Button1->setFocusPolicy(Qt::StrongFocus);
  Button1->installEventFilter(this);
  Button1->raise();
  connect(Button1, &QPushButton::clicked, this, &TCalmoraAboutForm::Button1Click);
}

void TCalmoraAboutForm::Button1Click() { done(QDialog::Rejected); }

void TCalmoraAboutForm::setVisible(bool visible) {
  if (visible && !isVisible()) ui::CentreOnScreen(*this);
  QDialog::setVisible(visible);
}

// The first showing puts the focus on the button; a later one keeps it on the
// part that had it when the window was hidden (a panel, after the arrows).
void TCalmoraAboutForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (focusWidget() == nullptr) Button1->setFocus(Qt::OtherFocusReason);
}

void TCalmoraAboutForm::keyPressEvent(QKeyEvent* event) {
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
bool TCalmoraAboutForm::eventFilter(QObject* watched, QEvent* event) {
  if (IsMouseButtonEvent(event->type()) && qobject_cast<QLabel*>(watched) != nullptr) {
    event->accept();
    return true;
  }
  if (event->type() == QEvent::KeyPress) return HandleFocusKey(watched, *static_cast<QKeyEvent*>(event));
  return QDialog::eventFilter(watched, event);
}

bool TCalmoraAboutForm::HandleFocusKey(QObject* watched, const QKeyEvent& key) {
  const QList<QWidget*> cycle{Button1, Panel1, Panel2};
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
      if (watched == Button1) Button1->click();
      return true;  // a panel does nothing with Enter
    case Qt::Key_C:
      if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) return false;
      Button1->click();
      return true;
    default: return false;
  }
}
