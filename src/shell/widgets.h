// Small widget helpers shared by the windows.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QString>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <functional>
#include <string>

#include "base/number_format.h"

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

/// The tool-tip of a field marked for refused text, and of one marked as the place of an incomplete input.
constexpr const char* kNotTaken = "Not taken: ";
constexpr const char* kIncompleteHere = "Input is incomplete: ";

/// Marks a field whose text was refused (or, with kIncompleteHere, that the input lacks): a red frame and a
/// tool-tip saying why; an empty problem takes the mark away and shows the field's own tool-tip.
inline void MarkField(QLineEdit* edit, const std::string& problem, const std::string& tip,
                      const char* why = kNotTaken) {
  edit->setStyleSheet(problem.empty() ? QString() : QString("QLineEdit { border: 2px solid red; }"));
  edit->setToolTip(problem.empty() ? QString::fromStdString(tip)
                                   : QString::fromStdString(why + problem + "\n" + tip));
}

/// The tool-tip of the descriptor of `id` in a descriptor table.
template <class Descriptors, class Id>
const char* TipOf(const Descriptors& descriptors, Id id) {
  for (const auto& d : descriptors)
    if (d.id == id) return d.tip;
  return "";
}

/// Sends each text typed into `edit` through `take` (an editing rule: the reason it refused the text, or
/// nothing), marks the field, and tells `window`: FieldChecked always, Edited when the text was taken.
template <class Window, class Take>
void TakeTypedText(Window* window, QLineEdit* edit, const char* tip, Take take) {
  QObject::connect(edit, &QLineEdit::textEdited, window, [window, edit, tip, take](const QString& text) {
    const std::string problem = take(text.toStdString());
    MarkField(edit, problem, tip);
    emit window->FieldChecked(tip, QString::fromStdString(problem));
    if (problem.empty()) emit window->Edited();
  });
}

/// Shows the model's value in `edit` in place of any refused text and its mark, and tells `window`.
template <class Window>
void ShowModelValue(Window* window, QLineEdit* edit, const std::string& value, const char* tip) {
  edit->setText(QString::fromStdString(value));
  MarkField(edit, {}, tip);
  emit window->FieldChecked(tip, {});
}

/// A field with its unit label beside it.
inline QHBoxLayout* WithUnit(QWidget* field, QWidget* unit) {
  auto* row = new QHBoxLayout;
  row->addWidget(field);
  row->addWidget(unit);
  return row;
}

/// Moves the top level `window` as near to `wanted` (its frame's top left corner) as the screen of `anchor`
/// allows: all of it inside the part of the screen that windows may use, smaller when it does not fit.
inline void PlaceOnScreen(QWidget* window, const QWidget& anchor, QPoint wanted) {
  const QScreen* screen = anchor.screen();
  if (screen == nullptr) return window->move(wanted);
  const QRect available = screen->availableGeometry();
  // The title bar and borders the window manager adds, as it adds them to `anchor`.
  const QSize frame = anchor.frameGeometry().size() - anchor.geometry().size();
  window->resize(window->size().boundedTo(available.size() - frame));
  const int right = available.right() + 1 - window->width() - frame.width();
  const int bottom = available.bottom() + 1 - window->height() - frame.height();
  window->move(std::max(available.left(), std::min(wanted.x(), right)),
               std::max(available.top(), std::min(wanted.y(), bottom)));
}

/// Gives a number field room for the longest text the number formatter writes (seven significant digits
/// with sign and exponent, "-8.888888E-05"), so that no value loses a digit at the window's smallest size.
inline void FitNumberField(QLineEdit* edit) {
  const QFontMetrics metrics = edit->fontMetrics();
  int widest = 0;
  for (double longest : {-8.888888e-05, -8888888.0, -888888.8})
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(FormatPlain(longest))));
  // As QLineEdit sizes itself: the text, its side margins of 2 pixels and the cursor, then the frame.
  const QMargins text = edit->textMargins();
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
  const QSize inner(widest + 2 * 2 + 1 + text.left() + text.right(), metrics.height());
  edit->setMinimumWidth(edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, inner, edit).width());
}

/// Keeps a window at least as wide as its title needs on the title bar, beside the window's icon and
/// buttons, and never narrower than its layout: a short form must not cut its title to "MEMBER PR...".
class WholeTitle : public QObject {
 public:
  explicit WholeTitle(QWidget* window) : QObject(window) { window->installEventFilter(this); }
  /// The width the title bar needs for `title`: the text in the bold title font and room for the icon
  /// and the three buttons of the title bar.
  static int TitleWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) * 6 / 5 + 160;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange) {
      auto* window = static_cast<QWidget*>(watched);
      const int layoutWidth = window->layout() ? window->layout()->totalMinimumSize().width() : 0;
      window->setMinimumWidth(std::max(layoutWidth, TitleWidth(window->windowTitle())));
    }
    return false;
  }
};

}  // namespace tarnix
