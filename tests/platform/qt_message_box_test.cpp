// The Qt message box: caption, icon and buttons of each style, and the answer numbers.
#include "platform/cp949.h"
#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kesto {

class QtMessageBoxTest : public QObject {
    Q_OBJECT

    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
    };

    // Shows a box and presses the given button as soon as it is up.
    static int answer(int style, QMessageBox::StandardButton press, Seen* seen = nullptr) {
        QTimer::singleShot(0, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            if (seen != nullptr)
                *seen = {box->windowTitle(), box->text(), box->icon(),
                         static_cast<int>(box->standardButtons())};
            QVERIFY(box->button(press) != nullptr);
            box->button(press)->click();
        });
        QtMessageBox messageBox;
        return messageBox.show(Cp949::fromUtf8("곡을 선택하세요."), kMessageBoxCaption, style);
    }

private slots:
    void stopShowsCaptionTextAndOk() {
        Seen seen;
        QCOMPARE(answer(mb::kStopOk, QMessageBox::Ok, &seen), mb::kOk);
        QCOMPARE(seen.title, QStringLiteral("Kesto Player"));
        QCOMPARE(seen.text, QStringLiteral("곡을 선택하세요."));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, static_cast<int>(QMessageBox::Ok));
    }

    void eachStyleAnswersWithItsNumbers() {
        QCOMPARE(answer(mb::kExclamationOk, QMessageBox::Ok), mb::kOk);
        QCOMPARE(answer(mb::kExclamationOkCancel, QMessageBox::Cancel), mb::kCancel);
        QCOMPARE(answer(mb::kQuestionOkCancel, QMessageBox::Ok), mb::kOk);
        QCOMPARE(answer(mb::kQuestionYesNo, QMessageBox::Yes), mb::kYes);
        Seen seen;
        QCOMPARE(answer(mb::kQuestionYesNo, QMessageBox::No, &seen), mb::kNo);
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.buttons, static_cast<int>(QMessageBox::Yes | QMessageBox::No));
    }
};

} // namespace kesto

QTEST_MAIN(kesto::QtMessageBoxTest)
#include "qt_message_box_test.moc"
