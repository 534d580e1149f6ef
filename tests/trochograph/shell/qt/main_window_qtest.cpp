// The real window under the offscreen platform: start-up order, menu, keys, a curve drawn
// from a key press, pause and resume, message boxes, the About window and the list of
// recent parameter files.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>

#include "engine/parameter_limits.h"
#include "files/parameter_text.h"
#include "files/png_export.h"
#include "files/rlt_file.h"
#include "qt_modal.h"
#include "qt_program.h"
#include "qt_screen.h"
#include "qt_settings.h"
#include "scratch_dir.h"
#include "shell/commands.h"
#include "shell/qt/application.h"
#include "shell/qt/canvas_view.h"
#include "shell/qt/main_window.h"
#include "shell/qt/picture_window.h"
#include "shell/qt/wait_cursor.h"
#include "trochograph/engine/engine_probe.h"

using namespace trochograph;
using trochograph::test::ModalScript;
using trochograph::test::Program;

namespace {

// A rose of k = 7 / 1, which no default draws.
CurveParameters roseOfSeven()
{
    CurveParameters rose;
    rose.type = 2;
    rose.kn[2] = 7;
    return rose;
}

// The list of recent files as the settings file keeps it, and as the submenu shows it.
QStringList keptRecentFiles() { return QSettings("trochograph", "trochograph").value("recent/files").toStringList(); }
void keepRecentFiles(const QStringList& files) { QSettings("trochograph", "trochograph").setValue("recent/files", files); }
QStringList shownRecentFiles(const MainWindow& window)
{
    QStringList shown;
    for (const QAction* entry : window.recentMenu()->actions())
        if (entry->isVisible()) shown.push_back(entry->text() + (entry->isEnabled() ? "" : " [disabled]"));
    return shown;
}
// An entry as the submenu shows it: its number as the Alt letter, the name with any '&'
// doubled so that it shows, and the folder.
QString entry(int number, const QString& shownName, const std::filesystem::path& folder)
{
    return QString("&%1  %2  (%3)").arg(number).arg(shownName).arg(folder.c_str());
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsTheOpeningPictureAloneThenTheWindow()
    {
        Program p;
        QVERIFY(p.start());
        QCOMPARE(p.pictures.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(p.pictures[0].first), QString("opening"));
        QVERIFY(!p.pictures[0].second);
        QVERIFY(p.window().isVisible());
        QCOMPARE(p.window().windowTitle(), QString("Vell Varezuro"));
        if (!test::onWayland()) QCOMPARE(p.window().pos(), QPoint(0, 0));
        // The intro runs first.
        QCOMPARE(p.state().flags.okintro, 1);
        QVERIFY(p.runUntil([&] { return p.state().progress.theta > 0.1; }));

        // The close box ends the loop; the closing picture follows the hidden window.
        QTimer::singleShot(0, &p.window(), [&] { p.window().close(); });
        QCOMPARE(p.app->exec(), 0);
        QCOMPARE(QString::fromStdString(p.pictures.back().first), QString("closing"));
        QVERIFY(!p.pictures.back().second);
    }

    void commandLineFileIsLoadedBeforeTheWindowShows()
    {
        test::ScratchDir dir;
        QVERIFY(writeRlt(roseOfSeven(), dir / "rose.rlt"));
        std::string quoted = (dir / "rose.rlt").string();
        quoted.insert(quoted.begin(), '"');
        quoted.push_back('"');
        Program p(quoted);
        QVERIFY(p.start());
        QCOMPARE(p.state().params.type, 2);
        QCOMPARE(p.state().params.kn[2], 7);
        // The restore values stay the built-in ones.
        ModalScript restore({[](QWidget* d) { test::click(d, "check595"); test::click(d, "button1"); }});
        p.stopIntro();
        QTest::keyClick(&p.window(), Qt::Key_F7);
        QCOMPARE(p.state().params.kn[2], 5);
    }

    // A PNG picture brings its canvas side and palette; F10 still brings back the built-in one.
    void commandLinePngPictureBringsItsCanvasSide()
    {
        test::ScratchDir dir;
        CurveParameters drawn;
        drawn.type = 2;
        drawn.kn[2] = 7;
        Palette colors = builtinPalette;
        colors[5] = 0x00010203;
        drawn.crpalette = colors;
        drawn.res = 250;
        QVERIFY(writePng(Surface(2, 2), dir / "rose.png", parameterText(drawn)));
        Program p((dir / "rose.png").string());
        QVERIFY(p.start());
        QCOMPARE(p.state().params.kn[2], 7);
        QCOMPARE(p.window().engine().canvas().width(), 250);
        QCOMPARE(p.state().params.crpalette[5], Colorref{0x00010203});
        p.stopIntro();
        ModalScript note({[](QWidget* box) { static_cast<QMessageBox*>(box)->accept(); }});
        QTest::keyClick(&p.window(), Qt::Key_F10);
        QVERIFY(p.state().params.crpalette.colors() == builtinPalette);
    }

    void aRefusedStartFileIsReportedOnceTheWindowIsUp()
    {
        test::ScratchDir dir;
        test::writeBytes(dir / "damaged.rlt", "not a parameter file");
        Program p((dir / "damaged.rlt").string());
        ModalScript script;
        QVERIFY(p.app->start());  // no keys follow: the box may keep the keyboard
        QVERIFY(p.runUntil([&] { return !script.seen.isEmpty(); }));
        QCOMPARE(script.seen, QStringList{"Error opening RLT file"});
        QCOMPARE(script.captions, QStringList{"RLT file error"});
        QCOMPARE(p.state().params.type, 0);
    }

    void savedImageAndParametersLoadBackToTheSamePicture()
    {
        test::ScratchDir dir;
        Program p;
        QVERIFY(p.start());
        p.state().params.speed = 0;
        p.stopIntro();
        auto draw = [&] {
            QTest::keyClick(&p.window(), Qt::Key_R);
            QVERIFY(p.runUntil([&] { return p.state().flags.okroulette == 0; }));
        };
        // Types a name into the (Qt) file dialog and accepts it.
        auto typeName = [](const std::filesystem::path& path) {
            return [name = QString::fromStdString(path.string())](QWidget* dialog) {
                auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(edit);
                edit->setText(name);
                QTest::keyClick(edit, Qt::Key_Return);
            };
        };
        auto command = [&](Qt::Key key) {
            QVERIFY(p.activate());
            QTest::keyClick(&p.window(), key);
        };
        draw();
        const Surface drawn = p.window().engine().canvas();
        {
            ModalScript script({typeName(dir / "picture")});
            command(Qt::Key_S);
            QCOMPARE(script.seen, (QStringList{"QFileDialog", "Image saved as picture.tga",
                                               "Parameters saved as picture.rlt\n\nLoad via ' File ' menu or by double-clicking."}));
        }
        QCOMPARE(test::readBytes(dir / "picture.tga").size(), std::size_t{18 + 3 * 600 * 600 + 26});

        p.state().params.Rpct[0] = 30;
        command(Qt::Key_F11);
        draw();
        QVERIFY(!(p.window().engine().canvas() == drawn));
        {
            ModalScript script({typeName(dir / "picture.rlt")});
            command(Qt::Key_L);
            QCOMPARE(script.seen, (QStringList{"QFileDialog", "Parameter file  picture.rlt  loaded."}));
        }
        QCOMPARE(p.state().params.Rpct[0], 44);
        command(Qt::Key_F11);
        draw();
        QVERIFY(p.window().engine().canvas() == drawn);
    }

    // The Save Image dialog's filter picks the format of a name typed without extension; a
    // PNG saved so loads back with Load Parameter File and draws the same picture.
    void imagesSavedInEachFormatOfTheDialog()
    {
        test::ScratchDir dir;
        Program p;
        QVERIFY(p.start());
        p.state().params.speed = 0;
        p.stopIntro();
        auto command = [&](Qt::Key key) {
            QVERIFY(p.activate());
            QTest::keyClick(&p.window(), key);
        };
        auto saveAs = [&](int filter, const std::filesystem::path& path) {
            ModalScript script({[filter, name = QString::fromStdString(path.string())](QWidget* dialog) {
                auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
                QVERIFY(types);
                types->setCurrentIndex(filter);
                // What the combo box sends when the user picks a filter.
                emit types->activated(filter);
                emit types->textActivated(types->itemText(filter));
                auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(edit);
                edit->setText(name);
                QTest::keyClick(edit, Qt::Key_Return);
            }});
            command(Qt::Key_S);
            QCOMPARE(script.seen.size(), 3);
        };
        QTest::keyClick(&p.window(), Qt::Key_R);
        QVERIFY(p.runUntil([&] { return p.state().flags.okroulette == 0; }));
        const Surface drawn = p.window().engine().canvas();

        saveAs(1, dir / "drawing");
        saveAs(2, dir / "raster");
        saveAs(3, dir / "smooth");
        const auto svg = test::readBytes(dir / "drawing.svg");
        QVERIFY(std::string(svg.begin(), svg.end()).find("<svg ") != std::string::npos);
        for (const char* name : {"drawing.rlt", "raster.png", "raster.rlt", "smooth.png", "smooth.rlt"})
            QVERIFY2(std::filesystem::exists(dir / name), name);
        QVERIFY(test::readBytes(dir / "raster.png") != test::readBytes(dir / "smooth.png"));

        p.state().params.Rpct[0] = 30;
        command(Qt::Key_F11);
        {
            ModalScript script({[name = QString::fromStdString((dir / "raster.png").string())](QWidget* dialog) {
                auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(edit);
                edit->setText(name);
                QTest::keyClick(edit, Qt::Key_Return);
            }});
            command(Qt::Key_L);
            QCOMPARE(script.seen.size(), 2);
        }
        QCOMPARE(p.state().params.Rpct[0], 44);
        command(Qt::Key_F11);
        QTest::keyClick(&p.window(), Qt::Key_R);
        QVERIFY(p.runUntil([&] { return p.state().flags.okroulette == 0; }));
        QVERIFY(p.window().engine().canvas() == drawn);
    }

    // G-code from Save Image: once the file is chosen, the plot settings dialog opens with
    // the settings file's values and keeps what OK accepts there for the next time.
    void machineFilesAskForTheirSettingsOnceTheFileIsChosen()
    {
        test::ScratchDir dir;
        QSettings("trochograph", "trochograph").setValue("plot/penUp", "M5");
        Program p;
        QVERIFY(p.start());
        p.state().params.speed = 0;
        p.stopIntro();
        QTest::keyClick(&p.window(), Qt::Key_R);
        QVERIFY(p.runUntil([&] { return p.state().flags.okroulette == 0; }));
        QString shownPenUp;
        ModalScript script({[name = QString::fromStdString((dir / "plot").string())](QWidget* dialog) {
                                auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
                                QVERIFY(types);
                                types->setCurrentIndex(4);
                                emit types->activated(4);
                                emit types->textActivated(types->itemText(4));
                                auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
                                QVERIFY(edit);
                                edit->setText(name);
                                QTest::keyClick(edit, Qt::Key_Return);
                            },
                            [&](QWidget* d) {
                                shownPenUp = d->findChild<QLineEdit*>("edit1130")->text();
                                auto* size = d->findChild<QLineEdit*>("edit1110");
                                size->selectAll();
                                QTest::keyClicks(size, "150");
                                test::click(d, "button1");
                            }});
        QVERIFY(p.activate());
        QTest::keyClick(&p.window(), Qt::Key_S);
        QCOMPARE(script.seen.size(), 4);
        QCOMPARE(script.seen[1], QString("dialog1100"));
        QCOMPARE(shownPenUp, QString("M5"));
        const auto gcode = test::readBytes(dir / "plot.gcode");
        QVERIFY(std::string(gcode.begin(), gcode.end()).starts_with("; Trochograph plot on a square of 150 mm"));
        QVERIFY(std::string(gcode.begin(), gcode.end()).find("\nM5\n") != std::string::npos);
        QCOMPARE(QSettings("trochograph", "trochograph").value("plot/size").toString(), QString("150"));
    }

    // Save Animation asks the film's length, pace and side first (a value out of range
    // gets the error box and the dialog again), then the file, and films the curve beside
    // the window, which stays usable; Cancel in the progress window stops it and leaves no
    // file, and so does closing the window; without either the film is saved, and the
    // choice is offered next time.
    void anAnimationIsSavedBesideTheWindowOrCancelled()
    {
        test::ScratchDir dir;
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        auto type = [](QWidget* dialog, const char* box, const char* text) {
            auto* edit = dialog->findChild<QLineEdit*>(box);
            QVERIFY(edit);
            edit->selectAll();
            QTest::keyClicks(edit, text);
        };
        // Chooses the film's timing and `path`; the film starts beside a window still in use.
        auto save = [&](const std::filesystem::path& path, const char* seconds) {
            ModalScript script({
                [&](QWidget* dialog) {
                    type(dialog, "edit1201", seconds);
                    type(dialog, "edit1202", "0");
                    test::click(dialog, "button1");
                },
                [](QWidget* box) { qobject_cast<QDialog*>(box)->accept(); },
                [&](QWidget* dialog) {
                    type(dialog, "edit1202", "4");
                    test::click(dialog, "button1");
                },
                [name = QString::fromStdString(path.string())](QWidget* dialog) {
                    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
                    QVERIFY(edit);
                    edit->setText(name);
                    QTest::keyClick(edit, Qt::Key_Return);
                },
            });
            p.window().action(cmdSaveAnimation)->trigger();
            QCOMPARE(script.seen, (QStringList{"dialog1200", "frames per second range: 1 - 60", "dialog1200",
                                               "QFileDialog"}));
            QVERIFY(p.window().backgroundJob());
            QVERIFY(p.window().backgroundJob()->progressWindow()->isVisible());
            QVERIFY(p.window().isEnabled());
        };
        // A film taking seconds, so that Cancel surely comes before its end.
        p.state().params.res = 1200;
        p.state().params.increment = 1e-4;
        save(dir / "stopped.mp4", "600");
        if (QTest::currentTestFailed()) return;
        auto* cancel = p.window().backgroundJob()->progressWindow()->findChild<QPushButton*>();
        QVERIFY(cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(p.runUntil([&] { return p.window().backgroundJob()->finished(); }));
        QVERIFY(!std::filesystem::exists(dir / "stopped.mp4"));
        p.state().params.res = 300;  // a quick film to wait for
        p.state().params.increment = 0.01;

        save(dir / "rose.gif", "1");
        if (QTest::currentTestFailed()) return;
        {
            ModalScript saved;  // the film ends after the dialog's script has gone
            QVERIFY(p.runUntil([&] { return saved.seen.contains("Animation saved as rose.gif"); }));
        }
        QVERIFY(std::filesystem::file_size(dir / "rose.gif") > 0);

        // The last choice comes back, from the settings file.
        QString shown;
        {
            ModalScript again({[&](QWidget* dialog) {
                shown = dialog->findChild<QLineEdit*>("edit1201")->text() + " " +
                        dialog->findChild<QLineEdit*>("edit1202")->text();
                test::click(dialog, "button2");
            }});
            p.window().action(cmdSaveAnimation)->trigger();
            QCOMPARE(again.seen, QStringList{"dialog1200"});
        }
        QCOMPARE(shown, QString("1 4"));

        // Closing the window stops a long film at once and leaves no file. (The file dialog
        // would propose rose.gif, and select it in its list once it has read the folder,
        // over the name typed.)
        std::filesystem::remove(dir / "rose.gif");
        p.state().params.res = 1200;
        p.state().params.increment = 1e-4;
        save(dir / "closed.webm", "600");
        if (QTest::currentTestFailed()) return;
        BackgroundJob* job = p.window().backgroundJob();
        p.window().close();
        QVERIFY(p.runUntil([&] { return job->finished(); }));
        QVERIFY(dir.entries().empty());
    }

    void menuHasTheTextsAndCommandsOfTheTable()
    {
        Program p;
        QVERIFY(p.start());
        const QList<QAction*> bar = p.window().menuBar()->actions();
        const auto table = mainMenu();
        QCOMPARE(bar.size(), static_cast<qsizetype>(table.size()));
        for (std::size_t i = 0; i < table.size(); ++i) {
            // The texts as they stand, with an '&' before the letter Alt reaches them by.
            QCOMPARE(QString(bar[i]->text()).remove('&'), QString::fromUtf8(table[i].item.text));
            if (table[i].popup.empty()) {
                QCOMPARE(p.window().action(table[i].item.command), bar[i]);
                continue;
            }
            const QList<QAction*> items = bar[i]->menu()->actions();
            QCOMPARE(items.size(), static_cast<qsizetype>(table[i].popup.size()));
            for (std::size_t j = 0; j < table[i].popup.size(); ++j) {
                const MenuItem& item = table[i].popup[j];
                QCOMPARE(items[j]->isSeparator(), isMenuSeparator(item));
                QCOMPARE(QString(items[j]->text()).remove('&'), QString::fromUtf8(item.text));
                if (item.command) QCOMPARE(p.window().action(item.command), items[j]);
            }
        }
        // The File menu ends with Exit, apart from the rest; the film and the recent files,
        // with letters of their own, come before it.
        const QList<QAction*> file = bar[0]->menu()->actions();
        QCOMPARE(file.back(), p.window().action(cmdExit));
        QVERIFY(file[file.size() - 2]->isSeparator());
        const qsizetype film = file.indexOf(p.window().action(cmdSaveAnimation));
        QVERIFY(film >= 0 && film < file.size() - 2);
        QCOMPARE(file[film]->text(), QString("Save &Animation..."));
        const auto recent = std::find_if(file.begin(), file.end(), [&](QAction* a) { return a->menu() == p.window().recentMenu(); });
        QVERIFY(recent != file.end() && recent - file.begin() < file.size() - 2);
        QCOMPARE((*recent)->text(), QString("&Recent Parameter Files"));
        // A menu item runs its command.
        p.stopIntro();
        p.window().action(cmdClear)->trigger();
        QCOMPARE(p.state().flags.clearflag, 1);
    }

    // What one window remembers, the next one lists, without the files that went meanwhile;
    // the file the program was started with comes first.
    void recentFilesAreKeptForTheNextWindow()
    {
        test::ScratchDir dir;
        keepRecentFiles({});
        {
            Program p;
            QVERIFY(p.start());
            QCOMPARE(shownRecentFiles(p.window()), QStringList{"(none) [disabled]"});
        }
        for (const char* name : {"a.rlt", "b.rlt", "c.rlt", "d&e.rlt"}) QVERIFY(writeRlt(CurveParameters{}, dir / name));
        keepRecentFiles({QString::fromStdString((dir / "b.rlt").string()), QString::fromStdString((dir / "gone.rlt").string())});
        {
            Program p((dir / "a.rlt").string());
            QVERIFY(p.start());
            p.window().rememberParameterFile(dir / "c.rlt");
            p.window().rememberParameterFile(dir / "d&e.rlt");
            QCOMPARE(shownRecentFiles(p.window()),
                     (QStringList{entry(1, "d&&e.rlt", dir.path()), entry(2, "c.rlt", dir.path()),
                                  entry(3, "a.rlt", dir.path()), entry(4, "b.rlt", dir.path())}));
        }
        std::filesystem::remove(dir / "c.rlt");
        Program next;
        QVERIFY(next.start());
        QCOMPARE(shownRecentFiles(next.window()),
                 (QStringList{entry(1, "d&&e.rlt", dir.path()), entry(2, "a.rlt", dir.path()),
                              entry(3, "b.rlt", dir.path())}));
        QCOMPARE(keptRecentFiles(), (QStringList{QString::fromStdString((dir / "d&e.rlt").string()),
                                                 QString::fromStdString((dir / "a.rlt").string()),
                                                 QString::fromStdString((dir / "b.rlt").string())}));
    }

    // An entry loads its file as Load Parameter File does; one whose file has gone says so
    // and leaves the list, and the settings file.
    void choosingARecentFileLoadsItOrTakesItOff()
    {
        test::ScratchDir dir;
        QVERIFY(writeRlt(roseOfSeven(), dir / "rose.rlt"));
        QVERIFY(writeRlt(CurveParameters{}, dir / "gone.rlt"));
        keepRecentFiles({});
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        p.window().rememberParameterFile(dir / "rose.rlt");
        p.window().rememberParameterFile(dir / "gone.rlt");
        std::filesystem::remove(dir / "gone.rlt");
        const QList<QAction*> entries = p.window().recentMenu()->actions();
        {
            ModalScript script;
            entries[1]->trigger();
            QCOMPARE(script.seen, QStringList{"Parameter file  rose.rlt  loaded."});
        }
        QCOMPARE(p.state().params.type, 2);
        QCOMPARE(p.state().params.kn[2], 7);
        QCOMPARE(shownRecentFiles(p.window()),
                 (QStringList{entry(1, "rose.rlt", dir.path()), entry(2, "gone.rlt", dir.path())}));
        {
            ModalScript script;
            entries[1]->trigger();
            QCOMPARE(script.seen, QStringList{"The file " + QString::fromStdString((dir / "gone.rlt").string()) +
                                              " is no longer there; it has been taken off the list of recent files."});
        }
        QCOMPARE(shownRecentFiles(p.window()), QStringList{entry(1, "rose.rlt", dir.path())});
        QCOMPARE(keptRecentFiles(), QStringList{QString::fromStdString((dir / "rose.rlt").string())});
    }

    // A settings file or lock that would keep reading or locking waiting for ever is left
    // alone: the window comes up, says once why the list can't be kept, and keeps the list
    // until it closes.
    void unusableSettingsAreToldOnceAndNotWaitedFor_data()
    {
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("told");
        QTest::newRow("lock folder") << "lock folder" << "trochograph.conf.lock is a folder, not a file";
        QTest::newRow("settings pipe") << "settings pipe" << "trochograph.conf is a named pipe, not a file";
        QTest::newRow("lock held") << "lock held" << "trochograph.conf.lock stays locked by another program";
    }
    void unusableSettingsAreToldOnceAndNotWaitedFor()
    {
        QFETCH(QString, made);
        QFETCH(QString, told);
        keepRecentFiles({});
        const std::filesystem::path file = QSettings("trochograph", "trochograph").fileName().toStdString();
        const std::filesystem::path lock = file.string() + ".lock";
        test::ScratchDir dir;
        QVERIFY(writeRlt(roseOfSeven(), dir / "rose.rlt"));
        std::optional<QLockFile> held;
        if (made == "lock folder") {
            QVERIFY(std::filesystem::create_directory(lock));
        } else if (made == "settings pipe") {
            std::filesystem::remove(file);
            QCOMPARE(mkfifo(file.c_str(), 0600), 0);
        } else {
            held.emplace(QString::fromStdString(lock.string()));
            QVERIFY(held->lock());
        }
        {
            ModalScript script;
            // The file the window starts with heads the list, which the window tries to keep.
            Program p((dir / "rose.rlt").string());
            QVERIFY(p.app->start());
            QVERIFY(p.runUntil([&] { return !script.seen.isEmpty(); }));
            p.window().rememberParameterFile(dir / "gone.rlt");
            p.window().forgetParameterFile(dir / "gone.rlt");
            p.settle();
            QCOMPARE(script.seen.size(), 1);
            QVERIFY2(script.seen[0].contains(told), qPrintable(script.seen[0]));
            QCOMPARE(shownRecentFiles(p.window()), QStringList{entry(1, "rose.rlt", dir.path())});
        }
        held.reset();
        std::filesystem::remove(made == "lock folder" ? lock : file);
    }

    // Names are shown as they are: a box shows "<b>" rather than bold type, and a tab in a
    // menu entry doesn't start a shortcut text.
    void fileNamesAreShownAsTheyAre()
    {
        test::ScratchDir dir;
        keepRecentFiles({});
        const std::filesystem::path bold = dir / "<b>bold\tname.rlt";
        QVERIFY(writeRlt(roseOfSeven(), bold));
        Program p;
        QVERIFY(p.app->start());
        p.stopIntro();
        p.window().rememberParameterFile(bold);
        QCOMPARE(shownRecentFiles(p.window()), QStringList{entry(1, "<b>bold\\tname.rlt", dir.path())});
        Qt::TextFormat format = Qt::RichText;
        bool shownAsRichText = true;
        {
            ModalScript script({[&](QWidget* box) {
                format = static_cast<QMessageBox*>(box)->textFormat();
                // What the box shows is not the bold type rich text would make of the name.
                auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                if (label) {
                    const QImage shown = label->grab().toImage();
                    label->setTextFormat(Qt::RichText);
                    shownAsRichText = label->grab().toImage() == shown;
                }
                static_cast<QMessageBox*>(box)->accept();
            }});
            p.window().recentMenu()->actions()[0]->trigger();
            QCOMPARE(script.seen, QStringList{"Parameter file  <b>bold\tname.rlt  loaded."});
        }
        QCOMPARE(format, Qt::PlainText);
        QVERIFY(!shownAsRichText);
        // The progress window of a film names its file as it is too.
        p.window().runInBackground(
            "Saving <b>bold.gif", [](const ProgressReport&) -> Result<void> { return {}; }, [](const Result<void>&) {});
        const auto* label = p.window().backgroundJob()->progressWindow()->findChild<QLabel*>();
        QVERIFY(label);
        QCOMPARE(label->text(), QString("Saving <b>bold.gif"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(p.runUntil([&] { return p.window().backgroundJob()->finished(); }));
    }

    void curveIsDrawnEndToEndFromTheRKey()
    {
        Program p;
        QVERIFY(p.start());
        p.state().params.speed = 0;
        QTest::keyClick(&p.window(), Qt::Key_R);
        QCOMPARE(p.state().flags.okroulette, 0);  // R is refused during the intro
        p.stopIntro();

        QTest::keyClick(&p.window(), Qt::Key_R);
        QCOMPARE(p.state().flags.okroulette, 1);
        QCOMPARE(p.window().view().cursor().shape(), waitCursor().shape());
        QCOMPARE(p.window().view().cursor().pixmap().toImage(), waitCursor().pixmap().toImage());
        QVERIFY(p.runUntil([&] { return p.state().flags.okroulette == 0; }));
        QCOMPARE(p.window().view().cursor().shape(), Qt::CrossCursor);

        // The window shows what the canvas holds.
        const Surface& canvas = canvasOf(p.window().engine());
        const Surface& shown = p.window().view().surface();
        const int hr = p.state().params.halfres();
        QCOMPARE(canvas.pixel(hr + 66, hr), builtinPalette[255]);
        for (int y = 0; y < canvas.height() && y < shown.height(); y += 7)
            for (int x = 0; x < canvas.width() && x < shown.width(); x += 7)
                QCOMPARE(shown.pixel(x, y), canvas.pixel(x, y));
    }

    // The closure figures' box stands alone: the window takes a Pause meanwhile, and the
    // drawing waits for the box, then draws the first segment and holds.
    void aPauseWhileTheClosureFiguresShowHoldsAfterTheFirstSegment()
    {
        Program p;
        QVERIFY(p.app->start());
        p.stopIntro();
        {
            ModalScript note;
            QTest::keyClick(&p.window(), Qt::Key_D);
            QCOMPARE(note.seen, QStringList{"Debugging display turned on."});
        }
        QVERIFY(p.activate());
        bool paused = false;
        ModalScript figures({[&](QWidget* box) {
            QCOMPARE(p.state().progress.theta, 0.0);
            QTest::keyClick(&p.window(), Qt::Key_Pause);
            paused = p.state().flags.okroulette == 0;
            QTest::qWait(50);  // the drawing, held by the box, draws nothing meanwhile
            QCOMPARE(p.state().progress.theta, 0.0);
            static_cast<QMessageBox*>(box)->accept();
        }});
        QTest::keyClick(&p.window(), Qt::Key_R);
        QVERIFY(p.runUntil([&] { return figures.done() && !test::waitingWindow(); }));
        QVERIFY(paused);
        p.settle();
        QCOMPARE(p.state().progress.theta, p.state().params.increment);
        QVERIFY(p.window().controller().concludable());
    }

    void pauseKeyPausesAndRResumes()
    {
        Program p;
        QVERIFY(p.start());
        // Slow enough to be caught mid-curve: at speed 0 a curve ends within one run of steps.
        p.state().params.speed = speedDelay(9);
        p.stopIntro();
        QTest::keyClick(&p.window(), Qt::Key_R);
        QVERIFY(p.runUntil([&] { return p.state().progress.theta > 1.0; }));
        QTest::keyClick(&p.window(), Qt::Key_Pause);
        QCOMPARE(p.state().flags.okroulette, 0);
        QVERIFY(p.window().controller().concludable());
        const double theta = p.state().progress.theta;
        p.settle();
        QCOMPARE(p.state().progress.theta, theta);

        QTest::keyClick(&p.window(), Qt::Key_R);
        QTest::keyClick(&p.window(), Qt::Key_Escape);  // Exit is refused while rendering...
        QVERIFY(p.runUntil([&] { return p.state().progress.theta > theta; }));
        QVERIFY(!p.window().closing());
        QTest::mouseClick(&p.window().view(), Qt::RightButton);
        QCOMPARE(p.state().flags.okroulette, 0);

        ModalScript closer;
        QTest::keyClick(&p.window(), Qt::Key_C);
        QCOMPARE(closer.seen.size(), 1);
        QVERIFY(closer.seen[0].startsWith("Rendering of the current curve is concluded."));
        QVERIFY(p.activate());  // the box had the keyboard
        QTest::keyClick(&p.window(), Qt::Key_Escape);  // ...and accepted when idle
        QVERIFY(p.window().closing());
    }

    void acceleratorsReachTheirCommands_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opens");
        QTest::newRow("L") << int(Qt::Key_L) << "QFileDialog";
        QTest::newRow("S") << int(Qt::Key_S) << "QFileDialog";
        QTest::newRow("P") << int(Qt::Key_P) << "QFileDialog";
        QTest::newRow("M") << int(Qt::Key_M) << "QFileDialog";
        QTest::newRow("F2") << int(Qt::Key_F2) << "dialog700";
        QTest::newRow("F3") << int(Qt::Key_F3) << "dialog900";
        QTest::newRow("F5") << int(Qt::Key_F5) << "dialog200";
        QTest::newRow("F6 without ellipse mode") << int(Qt::Key_F6) << QString();
        QTest::newRow("F7") << int(Qt::Key_F7) << "dialog500";
        QTest::newRow("F9") << int(Qt::Key_F9) << "dialog600";
        QTest::newRow("F10") << int(Qt::Key_F10) << "Default palette restored";
    }

    void acceleratorsReachTheirCommands()
    {
        QFETCH(int, key);
        QFETCH(QString, opens);
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        ModalScript closer;
        QTest::keyClick(&p.window(), static_cast<Qt::Key>(key));
        QCOMPARE(closer.seen, opens.isEmpty() ? QStringList{} : QStringList{opens});
        // With Shift the key is not an accelerator.
        QVERIFY(p.activate());
        QTest::keyClick(&p.window(), static_cast<Qt::Key>(key), Qt::ShiftModifier);
        QCOMPARE(closer.seen.size(), opens.isEmpty() ? 0 : 1);
    }

    void debugKeyAnswersWithAMessageBox()
    {
        Program p;
        QVERIFY(p.start());
        ModalScript closer;
        QTest::keyClick(&p.window(), Qt::Key_D);
        QCOMPARE(closer.captions, QStringList{"Vell Varezuro"});
        QCOMPARE(closer.seen, QStringList{"Debugging display turned on."});
        QCOMPARE(p.state().flags.debug, 1);
    }

    void aboutWindowClosesAtAKeyAndFreesTheMainWindow()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        QTest::keyClick(&p.window(), Qt::Key_F4);
        PictureWindow* about = p.window().aboutWindow();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->size(), QSize(480, 240));
        QVERIFY(!p.window().isEnabled());
        QTest::keyClick(about, Qt::Key_Space);
        QVERIFY(!about->isVisible());
        QVERIFY(p.window().isEnabled());
    }

    // At speed 1 the window waits 17 ms after each step, and answers meanwhile: a menu
    // opened while it draws doesn't stop the drawing, nor does it speed up.
    void windowAnswersWhileItDrawsSlowly()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        p.state().params.speed = speedDelay(1);
        QTest::keyClick(&p.window(), Qt::Key_R);
        QVERIFY(p.runUntil([&] { return p.state().progress.theta > 0.0; }));

        QMenu* file = p.window().menuBar()->actions().at(0)->menu();
        const double increment = p.state().params.increment;
        const double before = p.state().progress.theta;
        double during = before;
        QElapsedTimer open;
        QTimer::singleShot(340, file, [&] {
            during = p.state().progress.theta;
            file->close();
        });
        open.start();
        file->exec(p.window().mapToGlobal(QPoint(0, 0)));
        const double steps = (during - before) / increment;
        QVERIFY2(steps >= 2, "the drawing goes on while the menu is open");
        QVERIFY2(steps <= open.elapsed() / 17.0 + 1, "one step per 17 ms at most");
        QCOMPARE(p.state().flags.okroulette, 1);

        // A part of the window exposed meanwhile is painted from the canvas.
        Surface& shown = p.window().view().surface();
        canvasOf(p.window().engine()).fillRect({30, 30, 40, 40}, 0x00FF0000);
        p.window().view().update(30, 30, 10, 10);
        QVERIFY(p.runUntil([&] { return shown.pixel(35, 35) == 0x00FF0000; }));
        QCOMPARE(p.state().flags.okroulette, 1);
    }

    void imageTypeLeadsToTheKDialogAndOnceToEllipseOptions()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        using test::click;
        {
            // The irrational rose: its k follows, and its first choice draws 21 circuits.
            ModalScript script({[](QWidget* d) { click(d, "radio223"); click(d, "button1"); },
                                [](QWidget* d) { click(d, "radio425"); click(d, "button1"); }});
            QTest::keyClick(&p.window(), Qt::Key_F5);
            QVERIFY(p.runUntil([&] { return script.done() && !QApplication::activeModalWidget(); }));
            p.settle();
            QCOMPARE(script.seen, (QStringList{"dialog200", "dialog400"}));
            QCOMPARE(p.state().params.type, 3);
            QCOMPARE(p.state().params.kn[3], 21);
            QCOMPARE(p.state().params.kindex, 5.0);
        }

        // The ellipse mode, chosen the first time, brings its options; the second time not.
        for (const QStringList& expected : {QStringList{"dialog200", "dialog300"}, QStringList{"dialog200"}}) {
            ModalScript trochoid({[](QWidget* d) {
                click(d, "radio221");
                if (!d->findChild<QAbstractButton*>("check230")->isChecked()) click(d, "check230");
                click(d, "button1");
            }});
            QVERIFY(p.activate());
            QTest::keyClick(&p.window(), Qt::Key_F5);
            QVERIFY(p.runUntil([&] { return trochoid.done() && !QApplication::activeModalWidget(); }));
            p.settle();
            QCOMPARE(trochoid.seen, expected);
            QCOMPARE(p.state().params.ellipse, 1);
        }
    }

    void helpPagesLeadToEachOtherUntilClosed()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        using test::click;
        ModalScript script({[](QWidget* d) { click(d, "button1"); },   // Next
                            [](QWidget* d) { click(d, "button1"); },   // Previous
                            [](QWidget* d) { click(d, "button1"); },   // Next
                            [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }});
        QTest::keyClick(&p.window(), Qt::Key_F2);
        QVERIFY(p.runUntil([&] { return script.done() && !QApplication::activeModalWidget(); }));
        p.settle();
        QCOMPARE(script.seen, (QStringList{"dialog700", "dialog800", "dialog700", "dialog800"}));
    }

    void parametersWithANewResolutionRebuildTheCanvas()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        {
            ModalScript script({[](QWidget* d) {
                auto* edit = d->findChild<QLineEdit*>("edit510");
                edit->selectAll();
                QTest::keyClicks(edit, "320");
                QTest::keyClick(edit, Qt::Key_Return);
            }});
            QTest::keyClick(&p.window(), Qt::Key_F7);
            QCOMPARE(script.seen, QStringList{"dialog500"});
            QCOMPARE(p.state().params.res, 320);
            QCOMPARE(p.window().engine().canvas().width(), 320);
            QCOMPARE(p.window().engine().record().res(), 320);
            QCOMPARE(p.state().flags.firstloop, 1);
        }

        // With the restore box ticked, the current type's defaults come back after OK.
        p.state().params.Rpct[0] = 50;
        ModalScript restore({[](QWidget* d) { test::click(d, "check595"); test::click(d, "button1"); }});
        QVERIFY(p.activate());
        QTest::keyClick(&p.window(), Qt::Key_F7);
        QCOMPARE(p.state().params.Rpct[0], 44);
    }

    void colorsWithANewBackgroundStartANewPicture()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        p.state().flags.firstloop = 0;
        ModalScript script({[](QWidget* d) {
            auto* blue = d->findChild<QLineEdit*>("edit635");
            blue->selectAll();
            QTest::keyClicks(blue, "255");
            test::click(d, "button1");
        }});
        QTest::keyClick(&p.window(), Qt::Key_F9);
        QCOMPARE(script.seen, QStringList{"dialog600"});
        QCOMPARE(p.state().params.back, Colorref{0x00FF0000});
        QCOMPARE(p.state().flags.firstloop, 1);
        QCOMPARE(p.state().flags.newcurve, 1);
    }

    void anExposedWindowIsPaintedFromTheCanvas()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        p.settle();
        Surface& shown = p.window().view().surface();
        Surface& canvas = canvasOf(p.window().engine());
        // An overlay only in the window, a segment only in the canvas: neither survives.
        shown.fillRect({10, 10, 20, 20}, 0x000000FF);
        canvas.fillRect({30, 30, 40, 40}, 0x00FF0000);
        p.settle();  // the overlay was shown; now the window system asks for all of it
        p.window().view().update();
        QVERIFY(p.runUntil([&] { return shown.pixel(35, 35) == 0x00FF0000; }));
        QCOMPARE(shown.pixel(15, 15), canvas.pixel(15, 15));
        if (shown.width() > canvas.width()) QCOMPARE(shown.pixel(canvas.width(), 5), canvasGrey);
    }

    // Only the drawing and the window system decide what the window shows: the keyboard
    // leaving and coming back, as when a box opens over the window and closes, repaints
    // nothing, so what the window alone shows (a palette's preview) stays.
    void theKeyboardComingAndGoingRepaintsNothing()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        p.settle();
        Surface& shown = p.window().view().surface();
        shown.fillRect({10, 10, 20, 20}, 0x000000FF);
        p.settle();
        for (QEvent::Type change : {QEvent::FocusOut, QEvent::FocusIn}) {
            QFocusEvent event(change, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(&p.window().view(), &event);
            p.settle();
            QCOMPARE(shown.pixel(15, 15), Colorref{0x000000FF});
        }
    }

    void aboutWindowStaysInFrontOfTheMainWindow()
    {
        Program p;
        QVERIFY(p.start());
        p.stopIntro();
        QTest::keyClick(&p.window(), Qt::Key_F4);
        PictureWindow* about = p.window().aboutWindow();
        QVERIFY(about && about->windowHandle());
        QCOMPARE(about->windowHandle()->transientParent(), p.window().windowHandle());
        QTest::mouseClick(about, Qt::LeftButton);
        QVERIFY(p.window().isEnabled());
    }

    void animateCheckMarkFollowsTheState()
    {
        Program p;
        QVERIFY(p.start());
        QAction* animate = p.window().action(cmdAnimate);
        animate->trigger();  // refused during the intro
        QVERIFY(!animate->isChecked());
        p.stopIntro();
        QTest::keyClick(&p.window(), Qt::Key_F8);
        QVERIFY(animate->isChecked());
        QCOMPARE(p.state().flags.animate, 1);
    }
};

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    const trochograph::test::ScratchSettings settings;
    MainWindowTest test;
    return trochograph::test::runQtTests(test, argc, argv);
}

#include "main_window_qtest.moc"
