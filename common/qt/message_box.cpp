#include "common/qt/message_box.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QString>

namespace trochograph {

namespace {

int standaloneBoxes = 0;  // boxes without an owner waiting for their answers

}  // namespace

bool standaloneBoxOpen() { return standaloneBoxes > 0; }

MessageAnswer showMessageBox(QWidget* owner, const Message& message)
{
    const QMessageBox::Icon icon = message.icon == MessageIcon::information ? QMessageBox::Information
                                   : message.icon == MessageIcon::warning   ? QMessageBox::Warning
                                                                            : QMessageBox::NoIcon;
    const bool yesNo = message.buttons == MessageButtons::yesNo;
    QMessageBox box(icon, QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    message.owned ? owner : nullptr);
    // File names are shown as they are: "<b>" in a name is not bold type.
    box.setTextFormat(Qt::PlainText);
    int answer = 0;
    if (message.owned && owner) {
        box.setWindowModality(Qt::WindowModal);
        answer = box.exec();
    } else {
        // The program's end leaves this loop too, with No for a question.
        ++standaloneBoxes;
        QEventLoop waiting;
        QObject::connect(&box, &QMessageBox::finished, &waiting, &QEventLoop::exit);
        box.show();
        answer = waiting.exec();
        --standaloneBoxes;
    }
    if (!yesNo) return MessageAnswer::ok;
    return answer == QMessageBox::Yes ? MessageAnswer::yes : MessageAnswer::no;
}

}  // namespace trochograph
