#pragma once
// The main window's stored description: every component's name, text and
// rectangle in pixels of a 96-dpi screen (device-independent pixels here),
// one row a component. TForm1 builds itself from these rows; the behaviour
// lives in main_unit.cpp, the geometry only here.

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
inline constexpr Component kLabel3{
    .name = "Label3", .text = "Importo a base d'asta:", .rect = {16, 19, 113, 13}};
inline constexpr Component kEdit1{.name = "Edit1", .text = "", .rect = {136, 16, 121, 21}};
inline constexpr Component kLabel2{
    .name = "Label2", .text = "Percentuale di ribasso aggiudicatrice:", .rect = {16, 46, 113, 33}};
inline constexpr Component kEdit2{.name = "Edit2", .text = "", .rect = {136, 50, 65, 21}};
inline constexpr Component kLabel10{.name = "Label10", .text = "%", .rect = {205, 54, 8, 13}};
// Liberation Sans runs wider than the bitmap font the form was drawn with:
// "Importo totale dei lavori" needs 114 pixels, so this label takes 3 more of
// the free room before its field (x = 136) to keep its two lines.
inline constexpr Component kLabel4{
    .name = "Label4", .text = "Importo totale dei lavori proposto dall'Impresa:", .rect = {16, 82, 116, 33}};
inline constexpr Component kEdit3{.name = "Edit3", .text = "", .rect = {136, 85, 121, 21}};

// Result band.
inline constexpr Component kLabel7{
    .name = "Label7", .text = "Importo totale dei lavori calcolato:", .rect = {16, 117, 89, 33}};
inline constexpr Component kEdit4{.name = "Edit4", .text = "", .rect = {136, 120, 121, 21}};
inline constexpr Component kLabel1{
    .name = "Label1", .text = "Importo Impresa meno importo calcolato:", .rect = {16, 149, 113, 33}};
inline constexpr Component kEdit6{.name = "Edit6", .text = "", .rect = {136, 152, 121, 21}};
inline constexpr Component kLabel5{
    .name = "Label5", .text = "Percentuale di discordanza:", .rect = {16, 181, 89, 33}};
inline constexpr Component kEdit5{.name = "Edit5", .text = "", .rect = {136, 186, 105, 21}};
inline constexpr Component kLabel11{.name = "Label11", .text = "%", .rect = {245, 190, 8, 13}};

// The bevel around both bands.
inline constexpr Component kBevel1{.name = "Bevel1", .text = "", .rect = {8, 8, 257, 209}};

// Button column, top to bottom.
inline constexpr Component kButton4{.name = "Button4", .text = "&Salva", .rect = {280, 8, 75, 25}};
inline constexpr Component kButton1{.name = "Button1", .text = "&Ripulisci", .rect = {280, 40, 75, 25}};
inline constexpr Component kButton2{.name = "Button2", .text = "&About", .rect = {280, 72, 75, 25}};
inline constexpr Component kButton3{.name = "Button3", .text = "&Esci", .rect = {280, 104, 75, 25}};

// Credit band under the buttons: logo, group credit with its shadow, maker.
inline constexpr Component kImage1{.name = "Image1", .text = "", .rect = {298, 135, 41, 60}};
inline constexpr Component kLabel8{.name = "Label8", .text = "Gruppo TARVI:", .rect = {272, 192, 92, 16}};
inline constexpr Component kLabel6{.name = "Label6", .text = "Gruppo TARVI:", .rect = {271, 191, 92, 16}};
inline constexpr Component kLabel9{
    .name = "Label9", .text = "\u00a9 Calmora Studio", .rect = {293, 210, 71, 13}};

}  // namespace ui::main_layout
