// Small widget helpers shared by the windows.
#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QString>
#include <functional>
#include <string>

namespace tarnix {

/// A row with a "previous" and a "next" button calling `previous` and `next`.
inline QHBoxLayout* PreviousNextRow(QWidget* parent, const QString& previousText, const QString& nextText,
                                    std::function<void()> previous, std::function<void()> next) {
  auto* row = new QHBoxLayout;
  auto* back = new QPushButton(previousText, parent);
  auto* forward = new QPushButton(nextText, parent);
  row->addWidget(back);
  row->addWidget(forward);
  QObject::connect(back, &QPushButton::clicked, parent, std::move(previous));
  QObject::connect(forward, &QPushButton::clicked, parent, std::move(next));
  return row;
}

/// The menu bar of a small window: File, Close hides it.
inline QMenuBar* CloseMenu(QDialog* dialog) {
  auto* bar = new QMenuBar(dialog);
  bar->addMenu("&File")->addAction("&Close", dialog, &QDialog::hide);
  return bar;
}

/// Marks a field whose text was refused: a red frame and a tool-tip saying why; an empty problem takes the
/// mark away and shows the field's own tool-tip.
inline void MarkField(QLineEdit* edit, const std::string& problem, const std::string& tip) {
  edit->setStyleSheet(problem.empty() ? QString() : QString("QLineEdit { border: 2px solid red; }"));
  edit->setToolTip(problem.empty() ? QString::fromStdString(tip)
                                   : QString::fromStdString("Not taken: " + problem + "\n" + tip));
}

/// A field with its unit label beside it.
inline QHBoxLayout* WithUnit(QWidget* field, QWidget* unit) {
  auto* row = new QHBoxLayout;
  row->addWidget(field);
  row->addWidget(unit);
  return row;
}

}  // namespace tarnix
