#pragma once
// ExportReport: what the "&Salva" button does. It builds the report of the six
// field texts in the report buffer, asks for a file name and, unless the user
// cancels, writes the buffer there as RTF, atomically. Cancel writes nothing
// and says nothing; every failure is raised as an ExportError for the frame's
// error box, and an earlier file of the chosen name is never lost.
//
// From the main window:
//   report::QtSaveDialog dialog;
//   report::ExportReport(*RichEdit1, {Edit1->text(), Edit2->text(), Edit3->text(),
//                                      Edit4->text(), Edit5->text(), Edit6->text()},
//                        dialog, this);

#include "report/report_buffer.h"
#include "report/report_fields.h"
#include "report/save_dialog.h"

class QWidget;

namespace report {

// buffer: the window's report buffer, which keeps the latest report;
// owner: the window over which the dialog is modal.
void ExportReport(ReportBuffer& buffer, const ReportFields& fields, SaveDialog& dialog, QWidget* owner);

}  // namespace report
