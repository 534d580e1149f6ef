// The dialogs as a user meets them: their controls, texts, focus and keys, and what they
// hand to the forms behind them.
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cstdlib>
#include <memory>

#include "dialogs/curve_form.h"
#include "dialogs/curve_preview.h"
#include "dialogs/forms.h"
#include "dialogs/qt/form_dialog.h"
#include "dialogs/qt/preview_view.h"
#include "qt_modal.h"

using namespace trochograph;
using test::click;
using test::ModalScript;

namespace {

// A dialog shown without a modal loop of its own, so that the test can drive it; a curve
// dialog with its preview, as the window shows it.
struct OpenDialog {
    CurveState curve;
    CurveParameters& state = curve.params;
    RestoreValues defaults;
    std::unique_ptr<CurvePreview> preview;
    std::unique_ptr<Form> form;
    std::unique_ptr<FormDialog> dialog;

    explicit OpenDialog(int id, const std::function<void(CurveParameters&)>& prepare = {})
    {
        if (prepare) prepare(state);
        defaults = RestoreValues::capture(curve);
        preview = std::make_unique<CurvePreview>(curve, defaults);
        form = makeForm(id, state);
        dialog = std::make_unique<FormDialog>(*form, nullptr, preview.get());
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    // The parameters the form leaves behind.
    const CurveParameters& edited() const { return dynamic_cast<const CurveForm&>(*form).edit().parameters; }
    template <typename T>
    T* get(const char* name) const
    {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        if (!widget) qWarning("no control %s", name);
        return widget;
    }
    void retype(const char* name, const QString& text)
    {
        auto* edit = get<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    bool ended() const { return !dialog->isVisible(); }
};

}  // namespace

class FormDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheFormsControlsAndOkFocused_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        for (const auto& [id, caption] : {std::pair{dialogImageType, "Choose Image Type"},
                                          {dialogEllipseOptions, "Ellipse Options"},
                                          {dialogChooseK, "Choose Value of ' k '"},
                                          {dialogParameters, " Image Parameters"},
                                          {dialogColors, "Choose Colors ( 0 - 255 )"},
                                          {dialogHelpPage1, ""},
                                          {dialogHelpPage2, ""},
                                          {dialogFormulae, ""}})
            QTest::newRow(caption[0] ? caption : QByteArray::number(id).constData()) << int(id) << QString(caption);
    }

    void opensWithTheFormsControlsAndOkFocused()
    {
        QFETCH(int, id);
        QFETCH(QString, caption);
        OpenDialog d(id);
        QCOMPARE(d.dialog->windowTitle(), caption);
        QCOMPARE(bool(d.dialog->windowFlags() & Qt::FramelessWindowHint), caption.isEmpty());
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("button1"));
        QVERIFY(d.get<QPushButton>("button1")->isDefault());
        for (const ControlTemplate& c : d.form->layout().controls) {
            if (!c.id) continue;
            const char* kind = c.kind == ControlKind::button     ? "button"
                               : c.kind == ControlKind::groupBox ? "group"
                               : c.kind == ControlKind::radio    ? "radio"
                               : c.kind == ControlKind::checkBox ? "check"
                               : c.kind == ControlKind::edit     ? "edit"
                               : c.kind == ControlKind::label    ? "label"
                                                                 : "picture";
            const QByteArray name = QByteArray(kind) + QByteArray::number(c.id);
            QWidget* w = d.get<QWidget>(name.constData());
            QVERIFY2(w, name.constData());
            // Inside the dialog, or inside the page that scrolls where the screen is small.
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), name.constData());
            QCOMPARE(w->isEnabled(), d.form->enabled(c.id));
            if (auto* edit = qobject_cast<QLineEdit*>(w)) QCOMPARE(edit->text().toStdString(), d.form->text(c.id));
            if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                QCOMPARE(button->text(), QString::fromUtf8(c.text));
                QCOMPARE(button->isChecked(), d.form->checked(c.id));
            }
            if (auto* label = qobject_cast<QLabel*>(w); label && c.kind == ControlKind::label)
                QCOMPARE(label->text().toStdString(), d.form->text(c.id));
            if (c.kind == ControlKind::picture) {
                // At its own size, or shrunk in proportion on a page narrower than it.
                const QSize shown = w->size();
                if (shown != QSize(c.width, c.height)) {
                    QVERIFY2(shown.width() < c.width, c.text);
                    QVERIFY2(std::abs(shown.height() - c.height * shown.width() / c.width) <= 1, c.text);
                }
                QVERIFY2(!static_cast<QLabel*>(w)->pixmap().isNull(), c.text);
            }
        }
    }

    void tabVisitsEveryControlInLayoutOrder()
    {
        OpenDialog d(dialogImageType);
        // A group of radio buttons is one stop, at its ticked button.
        const QStringList order = {"button2", "radio220", "check230", "button1", "button2"};
        for (const QString& next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
        // Space on a radio button chooses it, and the form reacts; so does a click.
        click(d.dialog.get(), "radio222");
        QVERIFY(d.get<QRadioButton>("radio222")->isChecked());
        QVERIFY(!d.get<QRadioButton>("radio220")->isChecked());
        QVERIFY(!d.get<QCheckBox>("check230")->isEnabled());
        d.get<QRadioButton>("radio221")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(d.get<QCheckBox>("check230")->isEnabled());
        QVERIFY(!d.get<QRadioButton>("radio222")->isChecked());
        // A second click on the ticked button leaves it ticked.
        click(d.dialog.get(), "radio221");
        QVERIFY(d.get<QRadioButton>("radio221")->isChecked());
    }

    // Keyboard only: Tab enters each group at its ticked button, and the arrow keys choose
    // the next or the previous one, round the ends, the form reacting to each choice.
    void radioGroupsAnswerTheArrowKeys_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("start");  // the type, method or index the dialog opens on
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("chosen");
        QTest::newRow("image type") << int(dialogImageType) << 3 << "radio223"
                                    << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Up}
                                    << QStringList{"radio220", "radio221", "radio220"};
        QTest::newRow("ellipse method") << int(dialogEllipseOptions) << 1 << "radio321"
                                        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Left}
                                        << QStringList{"radio322", "radio320", "radio322"};
        QTest::newRow("irrational k") << int(dialogChooseK) << 4 << "radio424" << QList<int>{Qt::Key_Up, Qt::Key_Up}
                                      << QStringList{"radio423", "radio422"};
    }
    void radioGroupsAnswerTheArrowKeys()
    {
        QFETCH(int, id);
        QFETCH(int, start);
        QFETCH(QString, ticked);
        QFETCH(QList<int>, keys);
        QFETCH(QStringList, chosen);
        OpenDialog d(id, [&](CurveParameters& p) {
            p.ellipse = 1;
            p.type = id == dialogImageType ? start : 0;
            p.method = id == dialogEllipseOptions ? start : 0;
            p.kindex = id == dialogChooseK ? start : 0;
        });
        while (!QApplication::focusWidget()->inherits("QRadioButton"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), ticked);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(keys[i]));
            QCOMPARE(QApplication::focusWidget()->objectName(), chosen[i]);
            QVERIFY(d.get<QRadioButton>(qPrintable(chosen[i]))->isChecked());
        }
        // The form followed: OK stores the last choice.
        click(d.dialog.get(), "button1");
        const CurveParameters& e = d.edited();
        const int last = chosen.back().mid(5).toInt() % 10;
        QCOMPARE(id == dialogImageType ? e.type : id == dialogEllipseOptions ? e.method : int(e.kindex), last);
    }

    void typingAndReturnReachTheForm()
    {
        OpenDialog d(dialogParameters);
        d.retype("edit545", "7");
        QTest::keyClick(d.get<QLineEdit>("edit545"), Qt::Key_Return);
        QVERIFY(d.ended());
        QCOMPARE(d.dialog->result(), dialogOk);
        QCOMPARE(d.edited().speed, 5);
    }

    void aFailedRuleIsReportedAndTheDialogStaysWithTheTexts()
    {
        OpenDialog d(dialogParameters);
        d.retype("edit510", "99");
        QPointer<QWidget> owner;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        ModalScript script({[&](QWidget* box) {
            owner = box->parentWidget();
            icon = static_cast<QMessageBox*>(box)->icon();
            static_cast<QMessageBox*>(box)->accept();
        }});
        click(d.dialog.get(), "button1");
        QCOMPARE(script.seen, QStringList{"resolution range: 100 - 9600 pixels"});
        QCOMPARE(script.captions, QStringList{"Parameter Error"});
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(owner.data(), d.dialog.get());
        QVERIFY(!d.ended());
        QCOMPARE(d.get<QLineEdit>("edit510")->text(), QString("99"));
        QTest::keyClick(d.dialog.get(), Qt::Key_Escape);
        QVERIFY(d.ended());
        QCOMPARE(d.dialog->result(), dialogCancel);
    }

    void thePreviewFollowsTheValuesAndGreysForRefusedOnes()
    {
        OpenDialog d(dialogParameters);
        PreviewView* view = d.dialog->preview();
        QVERIFY(view);
        view->finish();
        const QImage first = view->shown();
        QVERIFY(!first.isNull());
        d.retype("edit530", "60");
        view->finish();
        const QImage second = view->shown();
        QVERIFY(second != first);
        QCOMPARE(view->reason(), QString());
        // A value OK refuses: the last picture stays (that of "-", which OK reads as 0),
        // with the reason; OK still says it in its box.
        d.retype("edit530", "-");
        view->finish();
        const QImage dashed = view->shown();
        QTest::keyClicks(d.get<QLineEdit>("edit530"), "5");
        view->finish();
        QCOMPARE(view->shown(), dashed);
        QCOMPARE(view->reason(), QString("d percent range: 0 - 100"));
        ModalScript script;
        QTest::keyClick(d.get<QLineEdit>("edit530"), Qt::Key_Return);
        QCOMPARE(script.captions, QStringList{"Parameter Error"});
        QVERIFY(!d.ended());
    }

    void aSwatchTypesTheChosenColourIntoItsBoxes()
    {
        OpenDialog d(dialogColors);
        auto* swatch = d.get<QPushButton>("swatch633");
        QVERIFY(swatch);
        QCOMPARE(swatch->focusPolicy(), Qt::NoFocus);
        ModalScript script({[](QWidget* modal) {
            auto* chooser = qobject_cast<QColorDialog*>(modal);
            QVERIFY(chooser);
            chooser->setCurrentColor(QColor(10, 20, 30));
            chooser->accept();
        }});
        QTest::mouseClick(swatch, Qt::LeftButton);
        QVERIFY(script.done());
        const char* boxes[] = {"edit633", "edit634", "edit635"};
        const QString values[] = {"10", "20", "30"};
        for (int i = 0; i < 3; ++i) QCOMPARE(d.get<QLineEdit>(boxes[i])->text(), values[i]);
        click(d.dialog.get(), "button1");
        QVERIFY(d.ended());
        QCOMPARE(d.edited().back, rgb(10, 20, 30));
    }

    void theBorderQuestionLetsTheUserGoBack()
    {
        OpenDialog d(dialogParameters);
        d.retype("edit530", "45");
        ModalScript script({[](QWidget* box) { static_cast<QMessageBox*>(box)->done(QMessageBox::No); },
                            [](QWidget* box) { static_cast<QMessageBox*>(box)->done(QMessageBox::Yes); }});
        click(d.dialog.get(), "button1");
        QVERIFY(!d.ended());
        QCOMPARE(d.edited().dpct[0], 33.0);
        click(d.dialog.get(), "button1");
        QVERIFY(d.ended());
        QCOMPARE(d.edited().dpct[0], 45.0);
        QCOMPARE(script.captions, (QStringList{"Vell Varezuro", "Vell Varezuro"}));
        QVERIFY(script.seen[0].startsWith("Part(s) of curve may lie outside of"));
    }

    void escapeClosesAHelpPageButNotTheFormulaPage()
    {
        OpenDialog help(dialogHelpPage2);
        QTest::keyClick(help.dialog.get(), Qt::Key_Escape);
        QVERIFY(help.ended());
        QCOMPARE(help.dialog->result(), dialogCancel);

        OpenDialog formulae(dialogFormulae);
        QTest::keyClick(formulae.dialog.get(), Qt::Key_Escape);
        QVERIFY(!formulae.ended());
        QTest::keyClick(formulae.dialog.get(), Qt::Key_Return);
        QVERIFY(formulae.ended());
        QCOMPARE(formulae.dialog->result(), dialogOk);
    }

    void helpPagesShowTheirProse()
    {
        for (const auto& [id, heading] : {std::pair{dialogHelpPage1, "Vell Varezuro Help - Page 1"},
                                          {dialogHelpPage2, "Vell Varezuro Help - Page 2"}}) {
            OpenDialog d(id);
            const QList<QLabel*> labels = d.dialog->findChildren<QLabel*>(QRegularExpression("^text"));
            QCOMPARE(labels.size(), id == dialogHelpPage1 ? 4 : 3);
            QVERIFY(labels[0]->text().contains(heading));
            for (QLabel* block : labels) {
                QVERIFY(!block->text().isEmpty());
                QVERIFY(block->parentWidget()->rect().contains(block->geometry()));
            }
        }
    }
};

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    FormDialogTest test;
    return trochograph::test::runQtTests(test, argc, argv);
}

#include "form_dialog_qtest.moc"
