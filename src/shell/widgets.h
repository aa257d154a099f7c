// Small widget helpers shared by the windows.
#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QString>
#include <functional>

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

}  // namespace tarnix
