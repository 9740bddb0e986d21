#include "ui/main_unit.h"

#include <QBitmap>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <iterator>
#include <limits>

#include "app/guard.h"
#include "app/modal.h"
#include "calc/compute_discrepancy.h"
#include "report/export_report.h"
#include "ui/accessible_window.h"
#include "ui/calmora_about_unit.h"
#include "ui/centring.h"
#include "ui/look.h"
#include "ui/main_fields.h"
#include "ui/main_key_filter.h"
#include "ui/main_layout.h"
#include "ui/single_line_validator.h"

TForm1* Form1 = nullptr;

namespace {

using ui::main_layout::Component;

template <typename Widget>
Widget* Place(QWidget* parent, const Component& component) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(component.name));
  widget->setGeometry(component.rect);
  return widget;
}

QLabel* PlaceLabel(QWidget* parent, const Component& component, bool wordWrap) {
  auto* label = Place<QLabel>(parent, component);
  label->setText(QString::fromUtf8(component.text));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(wordWrap);
  return label;
}

// A label whose box follows its text from the stored top-left corner.
QLabel* PlaceAutoSizedLabel(QWidget* parent, const Component& component, const QFont& font) {
  QLabel* label = PlaceLabel(parent, component, false);
  label->setFont(font);
  label->adjustSize();
  return label;
}

// An edit field named after its label: one line, no length limit (a result
// field as much as an input field).
QLineEdit* PlaceInput(QWidget* parent, const Component& field, const QLabel& label) {
  auto* edit = Place<QLineEdit>(parent, field);
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setValidator(new ui::SingleLineValidator(edit));
  QString name = label.text();
  if (name.endsWith(u':')) name.chop(1);
  edit->setAccessibleName(name);
  return edit;
}

// A read-only result field: navy text on button face, copyable.
QLineEdit* PlaceResult(QWidget* parent, const Component& field, const QLabel& label) {
  QLineEdit* edit = PlaceInput(parent, field, label);
  edit->setReadOnly(true);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  palette.setColor(QPalette::Text, ui::kNavy);
  edit->setPalette(palette);
  return edit;
}

QPushButton* PlaceButton(QWidget* parent, const Component& component) {
  auto* button = Place<QPushButton>(parent, component);
  button->setText(QString::fromLatin1(component.text));
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// The logo with every pixel of its bottom-left pixel's colour left undrawn.
QPixmap TransparentLogo() {
  const QImage image(QStringLiteral(":/assets/main_logo.bmp"));
  QPixmap pixmap = QPixmap::fromImage(image);
  const QRgb transparent = image.pixel(0, image.height() - 1);
  pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
  return pixmap;
}

}  // namespace

TForm1::TForm1(std::unique_ptr<ui::SaveDialog> saveDialog, QWidget* parent)
    : QWidget(parent), keyFilter_(new ui::MainKeyFilter(this)), saveDialog_(std::move(saveDialog)) {
  ui::InstallAccessibleWindows();
  SetUpWindow();
  CreateBevel();
  CreateInputBand();
  CreateResultBand();
  CreateButtonColumn();
  CreateCreditBand();
  SetTabOrder();
  ConnectHandlers();
}

void TForm1::SetUpWindow() {
  setWindowTitle(QStringLiteral("Calcolo percentuali di discordanza"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(ui::main_layout::kClientWidth, ui::main_layout::kClientHeight);
  setFont(ui::PixelFont("MS Sans Serif", 11));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);
}

void TForm1::setVisible(bool visible) {
  if (visible && !isVisible()) ui::CentreOnScreen(*this);
  QWidget::setVisible(visible);
}

void TForm1::CreateBevel() {
  Bevel1 = Place<QFrame>(this, ui::main_layout::kBevel1);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel1->setLineWidth(1);
  Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);
  ui::MarkDecorative(*Bevel1);
}

void TForm1::CreateInputBand() {
  Label3 = PlaceLabel(this, ui::main_layout::kLabel3, false);
  Edit1 = PlaceInput(this, ui::main_layout::kEdit1, *Label3);
  Label2 = PlaceLabel(this, ui::main_layout::kLabel2, true);
  Edit2 = PlaceInput(this, ui::main_layout::kEdit2, *Label2);
  Label10 = PlaceAutoSizedLabel(this, ui::main_layout::kLabel10, font());
  ui::MarkDecorative(*Label10);  // the field's name says percentage
  Label4 = PlaceLabel(this, ui::main_layout::kLabel4, true);
  Edit3 = PlaceInput(this, ui::main_layout::kEdit3, *Label4);
  for (QLineEdit* input : {Edit1, Edit2, Edit3}) keyFilter_->WatchInput(input);
  Edit1->setFocus(Qt::OtherFocusReason);  // taken when the window is first activated
}

void TForm1::CreateResultBand() {
  Label7 = PlaceLabel(this, ui::main_layout::kLabel7, true);
  Edit4 = PlaceResult(this, ui::main_layout::kEdit4, *Label7);
  Label1 = PlaceLabel(this, ui::main_layout::kLabel1, true);
  Edit6 = PlaceResult(this, ui::main_layout::kEdit6, *Label1);
  Label5 = PlaceLabel(this, ui::main_layout::kLabel5, true);
  Edit5 = PlaceResult(this, ui::main_layout::kEdit5, *Label5);
  Label11 = PlaceAutoSizedLabel(this, ui::main_layout::kLabel11, font());
  ui::MarkDecorative(*Label11);
}

void TForm1::CreateButtonColumn() {
  Button4 = PlaceButton(this, ui::main_layout::kButton4);
  Button1 = PlaceButton(this, ui::main_layout::kButton1);
  Button2 = PlaceButton(this, ui::main_layout::kButton2);
  Button3 = PlaceButton(this, ui::main_layout::kButton3);
  Button4->setEnabled(false);
  for (QPushButton* button : {Button4, Button1, Button2, Button3}) keyFilter_->WatchButton(button);
}

void TForm1::CreateCreditBand() {
  Image1 = Place<QLabel>(this, ui::main_layout::kImage1);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setPixmap(TransparentLogo());
  Image1->setAccessibleName(QStringLiteral("Logo del Gruppo TARVI"));

  // The group credit: the grey opaque copy first, the navy transparent copy
  // over it one pixel up and left, so the navy text has a grey shadow.
  const QFont credit = ui::PixelFont("MS Sans Serif", 13, {.bold = true});
  Label8 = PlaceAutoSizedLabel(this, ui::main_layout::kLabel8, credit);
  ui::SetTextColour(*Label8, ui::kGrey);
  Label8->setAutoFillBackground(true);
  ui::MarkDecorative(*Label8);
  Label6 = PlaceAutoSizedLabel(this, ui::main_layout::kLabel6, credit);
  ui::SetTextColour(*Label6, ui::kNavy);
  Label6->raise();

  Label9 = PlaceAutoSizedLabel(this, ui::main_layout::kLabel9, ui::PixelFont("MS Sans Serif", 8));
  ui::SetTextColour(*Label9, ui::kInactiveCaption);

  // The logo comes last in the description and is painted over the credit's
  // box where they meet.
  Image1->raise();
}

void TForm1::SetTabOrder() {
  QWidget* const order[] = {Edit1, Edit2, Edit3, Edit4, Edit6, Edit5, Button1, Button2, Button3, Button4};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TForm1::ConnectHandlers() {
  for (QLineEdit* input : {Edit1, Edit2, Edit3}) {
    connect(input, &QLineEdit::textChanged, this, app::Guarded([this, input] { Edit1Change(input); }));
  }
  connect(Button1, &QPushButton::clicked, this, app::Guarded([this] { Button1Click(Button1); }));
  connect(Button2, &QPushButton::clicked, this, app::Guarded([this] { Button2Click(Button2); }));
  connect(Button3, &QPushButton::clicked, this, app::Guarded([this] { Button3Click(Button3); }));
  connect(Button4, &QPushButton::clicked, this, app::Guarded([this] { Button4Click(Button4); }));
}

void TForm1::Button1Click(QObject* /*sender*/) {
  // Edit1 first: every change handling run during the clearing finds an
  // empty base amount, disables the save button and computes nothing.
  for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) ui::SetFieldText(*field, QString());
}

void TForm1::Button2Click(QObject* /*sender*/) { app::ShowModal(*CalmoraAboutForm); }

void TForm1::Button3Click(QObject* /*sender*/) { close(); }

void TForm1::Button4Click(QObject* /*sender*/) {
  const report::ReportFields fields{.baseAmount = Edit1->text().toStdString(),
                                    .discount = Edit2->text().toStdString(),
                                    .contractorTotal = Edit3->text().toStdString(),
                                    .computedTotal = Edit4->text().toStdString(),
                                    .difference = Edit6->text().toStdString(),
                                    .percentage = Edit5->text().toStdString()};
  report::ExportReport(fields, [this]() -> std::optional<std::string> {
    const std::optional<QString> path = saveDialog_->AskFileName(this);
    if (!path) return std::nullopt;
    return path->toStdString();
  });
}

void TForm1::Edit1Change(QObject* /*sender*/) {
  ui::MainFields fields({Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}, Button4);
  calc::ComputeDiscrepancy(fields);
}

void TForm1::Edit1KeyPress(QObject* /*sender*/, char& key) {
  const auto code = static_cast<unsigned char>(key);
  const bool passed = code == 8 || code == ',' || code == '.' || (code >= '0' && code <= '9') || code == 127;
  if (!passed) key = 0;
  if (key == '.') key = ',';
}
