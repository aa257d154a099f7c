// The file viewer.
#include "shell/file_viewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tarnix {

FileViewer::FileViewer(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this)) {
  auto* layout = new QVBoxLayout(this);
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(text_);
  auto* buttons = new QHBoxLayout;
  auto* external = new QPushButton("Open in external editor", this);
  auto* close = new QPushButton("Close", this);
  buttons->addWidget(external);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(external, &QPushButton::clicked, this, [this] {
    // The desktop's default application for the file; without one the engineer is told instead of nothing.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path_))) {
      QMessageBox::information(this, windowTitle(),
                               "No application is set up on this desktop to open " + QFileInfo(path_).fileName() +
                                   ". The file is " + QDir::toNativeSeparators(path_) + ".");
    }
  });
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  resize(860, 640);
}

bool FileViewer::ShowFile(const QString& path) {
  path_ = path;
  setWindowTitle(QFileInfo(path).fileName());
  QFile file(path);
  const bool ok = file.open(QIODevice::ReadOnly);
  text_->setPlainText(ok ? QString::fromUtf8(file.readAll()) : "The file " + path + " cannot be read.");
  show();
  raise();
  return ok;
}

}  // namespace tarnix
