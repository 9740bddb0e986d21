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
inline constexpr Component kLabel3{"Label3", "Importo a base d'asta:", {16, 19, 113, 13}};
inline constexpr Component kEdit1{"Edit1", "", {136, 16, 121, 21}};
inline constexpr Component kLabel2{"Label2", "Percentuale di ribasso aggiudicatrice:", {16, 46, 113, 33}};
inline constexpr Component kEdit2{"Edit2", "", {136, 50, 65, 21}};
inline constexpr Component kLabel10{"Label10", "%", {205, 54, 8, 13}};
// Liberation Sans runs wider than the bitmap font the form was drawn with:
// "Importo totale dei lavori" needs 114 pixels, so this label takes 3 more of
// the free room before its field (x = 136) to keep its two lines.
inline constexpr Component kLabel4{
    "Label4", "Importo totale dei lavori proposto dall'Impresa:", {16, 82, 116, 33}};
inline constexpr Component kEdit3{"Edit3", "", {136, 85, 121, 21}};

// Result band.
inline constexpr Component kLabel7{"Label7", "Importo totale dei lavori calcolato:", {16, 117, 89, 33}};
inline constexpr Component kEdit4{"Edit4", "", {136, 120, 121, 21}};
inline constexpr Component kLabel1{"Label1", "Importo Impresa meno importo calcolato:", {16, 149, 113, 33}};
inline constexpr Component kEdit6{"Edit6", "", {136, 152, 121, 21}};
inline constexpr Component kLabel5{"Label5", "Percentuale di discordanza:", {16, 181, 89, 33}};
inline constexpr Component kEdit5{"Edit5", "", {136, 186, 105, 21}};
inline constexpr Component kLabel11{"Label11", "%", {245, 190, 8, 13}};

// The bevel around both bands.
inline constexpr Component kBevel1{"Bevel1", "", {8, 8, 257, 209}};

// Button column, top to bottom.
inline constexpr Component kButton4{"Button4", "&Salva", {280, 8, 75, 25}};
inline constexpr Component kButton1{"Button1", "&Ripulisci", {280, 40, 75, 25}};
inline constexpr Component kButton2{"Button2", "&About", {280, 72, 75, 25}};
inline constexpr Component kButton3{"Button3", "&Esci", {280, 104, 75, 25}};

// Credit band under the buttons: logo, group credit with its shadow, maker.
inline constexpr Component kImage1{"Image1", "", {298, 135, 41, 60}};
inline constexpr Component kLabel8{"Label8", "Gruppo TARVI:", {272, 192, 92, 16}};
inline constexpr Component kLabel6{"Label6", "Gruppo TARVI:", {271, 191, 92, 16}};
inline constexpr Component kLabel9{"Label9", "\u00a9 Calmora Studio", {293, 210, 71, 13}};

}  // namespace ui::main_layout
