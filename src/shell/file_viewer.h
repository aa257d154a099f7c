// A read-only view of a text file (the input file or the report) in a fixed-width font, with a way out to
// the desktop's own editor.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace tarnix {

class FileViewer : public QDialog {
  Q_OBJECT

 public:
  explicit FileViewer(QWidget* parent = nullptr);
  /// Shows the file's text; false (and a message in the view) when it cannot be read.
  bool ShowFile(const QString& path);

 private:
  QPlainTextEdit* text_;
  QString path_;
};

}  // namespace tarnix
