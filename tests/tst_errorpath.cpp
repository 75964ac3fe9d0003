// A run-time error as the user meets it: the real window in its running
// event loop, the message box that reports the error, the end of the ticks
// and the program's non-zero status.

#include "exerciseform.h"
#include "program.h"
#include "runtimeerror.h"
#include "shownwindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace {

// Closes every message box that the window raises and keeps its text.
class MessageBoxWatcher
{
public:
    MessageBoxWatcher()
    {
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts << box->text();
                icons << box->icon();
                box->accept();
            }
        });
        poll_.start(10);
    }

    QStringList texts;
    QList<QMessageBox::Icon> icons;

private:
    QTimer poll_;
};

} // namespace

class TestErrorPath : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void failedStartUpEndsWithFailure();
    void failedTickStopsTheTicksAndEndsWithFailure();
    void failedPeriodFromTheKeyboardIsReportedInCyrillic();

private:
    // Runs the window as the program does, and expects it to end with a
    // failure, reported once in a critical message box with the text given.
    // It gives up after a few seconds, so that a loop that never ends fails
    // the test instead of hanging it.
    void runToFailure(ExerciseForm &form, const std::function<void()> &afterStart, const QString &report);
    MessageBoxWatcher boxes;
};

void TestErrorPath::init()
{
    ui::runtime::resetForTesting();
    boxes.texts.clear();
    boxes.icons.clear();
}

void TestErrorPath::runToFailure(ExerciseForm &form, const std::function<void()> &afterStart, const QString &report)
{
    bool gaveUp = false;
    QTimer::singleShot(0, form.form.surface(), afterStart);
    QTimer::singleShot(5000, form.form.surface(), [&gaveUp] {
        gaveUp = true;
        QCoreApplication::exit(0);
    });
    const int status = program::run(form);
    QVERIFY2(!gaveUp, "the program went on after the error");
    QCOMPARE(status, EXIT_FAILURE);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Грешка по време на изпълнение: ") + report});
    QCOMPARE(boxes.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
}

void TestErrorPath::failedStartUpEndsWithFailure()
{
    ExerciseForm form;
    // A window too tall for the 16-bit height that start-up keeps.
    form.form.setClientSize(6915, 40005);
    runToFailure(
        form, [] {}, QStringLiteral("препълване (40005 не се побира в 16-битово цяло число)"));
    QVERIFY2(!form.form.surface()->isVisible(), "the window showed after a failed start-up");
}

void TestErrorPath::failedTickStopsTheTicksAndEndsWithFailure()
{
    ExerciseForm form;
    QStringList headsAtFailure;
    const auto afterStart = [&] {
        // Perspective divides by the shade ring's third entry plus one.
        form.List1[2].items().setData(form.List1[2].items().index(2), QStringLiteral("-1"));
        QTest::mouseClick(form.Option1[4].widget(), Qt::LeftButton);
        form.List1[0].items().setData(form.List1[0].items().index(0), QStringLiteral("10"));
        form.List1[0].setListIndex(0);
        QTest::mouseClick(form.Command1[0].widget(), Qt::LeftButton);
        headsAtFailure = heads(form);
    };
    runToFailure(form, afterStart, QStringLiteral("грешка при изчисление с плаваща запетая"));
    // The failed tick never reached the rotation, and no tick came after it.
    QTest::qWait(100);
    QVERIFY(form.Timer1.Enabled());
    QCOMPARE(heads(form), headsAtFailure);
    QCOMPARE(boxes.texts.size(), 1);
}

void TestErrorPath::failedPeriodFromTheKeyboardIsReportedInCyrillic()
{
    ExerciseForm form;
    const auto afterStart = [&] {
        form.List1[0].items().setData(form.List1[0].items().index(1), QStringLiteral("1E10"));
        QWidget *list = form.List1[0].widget();
        activate(form.form.surface());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    };
    runToFailure(form, afterStart, QStringLiteral("препълване (10000000000 не се побира в 32-битово цяло число)"));
    QCOMPARE(form.Timer1.Interval(), 200);
}

QTEST_MAIN(TestErrorPath)
#include "tst_errorpath.moc"
