// Sections in two dimensions edited in the window: a polygon typed and pasted, drawn and kept in the
// project file; the project file opened and saved from the window; nothing of one file left in the next.
#include "shell/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <filesystem>

#include "model/input_file.h"
#include "model/project_file.h"
#include "shell/section_preview.h"
#include "shell/section_view.h"
#include "window_test_support.h"

namespace tarnix {
namespace {

class SectionEditingTest : public WindowTest {};

// The window with its drop handler at hand, as a drag from a file manager ends in it.
class DropWindow : public MainWindow {
 public:
  using MainWindow::dropEvent;
};

constexpr int kConcreteTab = 1, kReinforcingTab = 2;

void PasteInto(MainWindow& window, const char* table, const QString& text) {
  QApplication::clipboard()->setText(text);
  TableOf(window, table)->clearSelection();  // after the last row
  for (QAction* action : TableOf(window, table)->actions()) {
    if (action->text() == "Paste rows") action->trigger();
  }
}

std::string ProjectText(const ProjectModel& m) { return FormatProjectFile(m).value_or("(none)"); }

// The L-shaped wall gets a hole: a polygon added in the table, marked subtracted, its first two corners typed
// and the other two pasted from a spreadsheet as "x<TAB>y" lines. The preview draws it at its corners, and
// the project file saved from the window reads back to the same project.
TEST_F(SectionEditingTest, PolygonTypedPastedDrawnAndSaved) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(window.LoadInput(TARNIX_EXAMPLES_DIR "/l_wall.json"));
  ASSERT_EQ(TableOf(window, "polygons")->model()->rowCount(), 1);
  EXPECT_EQ(CellOf(window, "corners", 5, 1), "72");  // the sixth corner of the wall, (0, 72)

  window.findChild<QTabWidget*>()->setCurrentIndex(kConcreteTab);
  PressTableButton(window, "polygons", "Add");
  ASSERT_EQ(window.Model().npg, 2);
  QAbstractItemModel* polygons = TableOf(window, "polygons")->model();
  // The last column: ticked, the polygon is cut out of the ones before it.
  ASSERT_TRUE(polygons->setData(polygons->index(1, polygons->columnCount() - 1), Qt::Checked, Qt::CheckStateRole));
  TableOf(window, "polygons")->selectRow(1);
  EXPECT_EQ(TableOf(window, "corners")->model()->rowCount(), 0);  // the new polygon's corners
  PressTableButton(window, "corners", "Add");
  PressTableButton(window, "corners", "Add");
  EXPECT_TRUE(SetCell(window, kConcreteTab, "corners", 0, 0, "3"));
  EXPECT_TRUE(SetCell(window, kConcreteTab, "corners", 0, 1, "30"));
  EXPECT_TRUE(SetCell(window, kConcreteTab, "corners", 1, 0, "9"));
  EXPECT_TRUE(SetCell(window, kConcreteTab, "corners", 1, 1, "30"));
  PasteInto(window, "corners", "9\t40\r\n3\t40\r\n");
  QApplication::processEvents();

  const ConcretePolygon& hole = window.Model().polygons[2];
  EXPECT_EQ(hole.psign, -1);
  const std::vector<std::pair<float, float>> corners = {{3, 30}, {9, 30}, {9, 40}, {3, 40}};
  ASSERT_EQ(hole.vertices.size(), corners.size());
  for (size_t i = 0; i < corners.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(hole.vertices[i].x, corners[i].first);
    EXPECT_EQ(hole.vertices[i].y, corners[i].second);
  }
  EXPECT_EQ(CellOf(window, "polygons", 1, 0), "4");  // its number of corners

  // Drawn in the preview, at the corners typed.
  const SectionDrawing& drawn = window.findChild<SectionPreview*>()->View().Shown();
  const auto shape = std::find_if(drawn.shapes.begin(), drawn.shapes.end(), [](const DrawShape& s) {
    return s.source == RecordKind::ConcretePolygon && s.record == 2;
  });
  ASSERT_NE(shape, drawn.shapes.end());
  ASSERT_EQ(shape->corners.size(), 4u);
  EXPECT_EQ(shape->corners[2].x, 9);
  EXPECT_EQ(shape->corners[2].y, 40);
  SaveScreenshot(&window, "polygon_table");

  const std::string edited = ProjectText(window.Model());
  window.SaveTo(Path("holed_wall.json"));
  EXPECT_EQ(window.Model().inputFileTitle, "holed_wall.json");
  EXPECT_FALSE(window.isWindowModified());
  ASSERT_TRUE(window.LoadInput(QString::fromStdString(Path("holed_wall.json"))));
  EXPECT_EQ(ProjectText(window.Model()), edited);
}

// Open the wall's project file, save it as another, open a column's input file after it and drop the saved
// file on the window: the column keeps nothing of the wall (no polygon, single bar, moment about the vertical axis
// or member data about it, in the model or in the tables), and the wall comes back the same. Saved as an
// input file, the wall is refused with the reason and saved as a project file when the engineer agrees.
TEST_F(SectionEditingTest, ProjectFilesOpenAndSaveWithNothingCarriedOver) {
  DropWindow window;
  window.show();
  ASSERT_TRUE(window.LoadInput(TARNIX_EXAMPLES_DIR "/l_wall.json"));
  window.Model().memberY.L = 240;  // member data about the vertical axis, for the check below
  const std::string wall = ProjectText(window.Model());
  window.SaveTo(Path("wall copy.json"));
  EXPECT_TRUE(std::filesystem::exists(Path("wall copy.json")));

  Answer({QMessageBox::Yes});
  window.SaveTo(Path("wall.in"));
  const std::vector<std::string> asked = TakeMessages();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].find(kInputFileIsOneDimensional), std::string::npos) << asked[0];
  EXPECT_NE(asked[0].find("wall.json?"), std::string::npos) << asked[0];
  EXPECT_FALSE(std::filesystem::exists(Path("wall.in")));
  EXPECT_TRUE(std::filesystem::exists(Path("wall.json")));
  EXPECT_EQ(window.Model().inputFileTitle, "wall.json");

  ASSERT_TRUE(Load(window, "rect_column"));
  const ProjectModel& column = window.Model();
  EXPECT_FALSE(IsTwoDimensional(column));
  EXPECT_EQ(column.npg + column.nsb, 0);
  EXPECT_EQ(column.memberY.L, 0);
  for (int i = 1; i <= column.ns; ++i) EXPECT_EQ(column.loads[static_cast<size_t>(i)].My, 0);
  for (const char* table : {"polygons", "corners", "singleBars"}) {
    SCOPED_TRACE(table);
    EXPECT_EQ(TableOf(window, table)->model()->rowCount(), 0);
  }
  EXPECT_EQ(CellOf(window, "loads", 0, 2), "0.0");  // My

  // Dropped on the window, the saved project file opens and heads the recent files.
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(Path("wall copy.json")))});
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  window.dropEvent(&drop);
  EXPECT_EQ(window.Model().inputFileTitle, "wall copy.json");
  EXPECT_EQ(ProjectText(window.Model()), wall);
  EXPECT_EQ(QSettings().value("recentInputFiles").toStringList().value(0),
            QFileInfo(QString::fromStdString(Path("wall copy.json"))).canonicalFilePath());
  EXPECT_EQ(TableOf(window, "singleBars")->model()->rowCount(), 24);
  EXPECT_EQ(CellOf(window, "loads", 1, 2), "350.0");  // My of the second load, k-ft
}

// A single bar typed by its size takes that size's area: #8 is 0.79 in^2.
TEST_F(SectionEditingTest, SingleBarBySize) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(window.LoadInput(TARNIX_EXAMPLES_DIR "/l_wall.json"));
  EXPECT_TRUE(SetCell(window, kReinforcingTab, "singleBars", 4, 2, "#8"));
  EXPECT_EQ(window.Model().singleBars[5].area, 0.79f);
  EXPECT_EQ(CellOf(window, "singleBars", 4, 2), "0.79");
  EXPECT_FALSE(SetCell(window, kReinforcingTab, "singleBars", 4, 2, "#99"));
  EXPECT_EQ(window.Model().singleBars[5].area, 0.79f);
}

}  // namespace
}  // namespace tarnix
