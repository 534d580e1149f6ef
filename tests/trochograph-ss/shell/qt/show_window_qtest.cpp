// The show's real window under the offscreen platform: where it lies, what the first
// turns draw, and the input that does and doesn't end the show.
#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include "qt_modal.h"
#include "qt_screen.h"
#include "shell/qt/show_application.h"
#include "shell/qt/show_window.h"
#include "show/show.h"

using namespace trochograph;

class ShowWindowTest : public QObject {
    Q_OBJECT

private slots:
    void coversTheScreenWithTheCanvasInTheMiddle()
    {
        ShowApplication app;
        QVERIFY(app.start());
        const QScreen* display = QGuiApplication::primaryScreen();
        QCOMPARE(app.window().geometry(), display->geometry());
        QCOMPARE(app.window().cursor().shape(), Qt::BlankCursor);
        // The picture has the screen's device pixels, also on a scaled screen.
        const QSize screen = display->geometry().size() * display->devicePixelRatio();
        QCOMPARE(app.show().canvas().width(), screen.height());

        // The first turn sets up preset 0 and draws its fixed circle, then pauses.
        app.tick();
        QVERIFY(app.show().inLongPause());
        const Surface& shown = app.window().picture();
        const int left = screen.width() / 2 - screen.height() / 2;
        QCOMPARE(shown.pixel(0, 0), Colorref{0});
        QCOMPARE(shown.pixel(screen.width() - 1, screen.height() - 1), Colorref{0});
        bool circle = false;
        for (int x = left; x < left + screen.height() && !circle; ++x)
            circle = shown.pixel(x, screen.height() / 2) == Colorref{0x00FF7F00};
        QVERIFY2(circle, "the fixed circle crosses the middle row of the square");
    }

    // Each turn's drawing reaches the screen once the queued events are handled, at one
    // picture pixel to each device pixel.
    void theScreenShowsEachTurnsDrawing()
    {
        ShowApplication app;
        QVERIFY(app.start());
        QImage before;
        for (int turn = 0; turn < 3; ++turn) {
            app.tick();
            test::handleQueuedEvents();
            const QImage shown = test::onScreen(app.window());
            if (const auto wrong = test::firstDifference(shown, app.window().picture())) QFAIL(qPrintable(*wrong));
            QVERIFY2(shown != before, "each turn draws");
            before = shown;
        }
    }

    void speedKeysEnterAndAKeyDuringAPause()
    {
        ShowApplication app;
        QVERIFY(app.start());
        QSignalSpy ended(&app, &ShowApplication::ended);
        app.tick();
        QTest::keyClick(&app.window(), Qt::Key_F);
        QTest::keyClick(&app.window(), Qt::Key_Return);
        QCOMPARE(ended.count(), 0);
        // During the pause after the fixed circle, a key waits for the pause to end.
        QTest::keyClick(&app.window(), Qt::Key_Escape);
        QCOMPARE(ended.count(), 0);
        QCOMPARE(app.controls().speed(), 5);
        app.tick();
        QCOMPARE(app.controls().speed(), 1);
        QCOMPARE(ended.count(), 1);
    }

    void mouseMovementBeyondFivePixelsEndsTheShowWithExitCodeZero()
    {
        ShowApplication app;
        QVERIFY(app.start());
        app.tick();
        app.tick();  // after the pause: points follow
        QVERIFY(!app.show().inLongPause());
        // Moves given to the window, as the window system reports them: a widget's would
        // place the cursor, which Wayland doesn't let a program do.
        QWindow* window = app.window().windowHandle();
        QTest::mouseMove(window, QPoint(300, 200));
        QTest::mouseMove(window, QPoint(302, 202));  // within five device pixels at 200 %
        QVERIFY(!app.controls().ended());
        QTimer::singleShot(0, [&] { QTest::mouseMove(window, QPoint(309, 204)); });
        QCOMPARE(app.exec(), 0);
        QVERIFY(app.controls().ended());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ShowWindowTest test;
    return trochograph::test::runQtTests(test, argc, argv);
}

#include "show_window_qtest.moc"
