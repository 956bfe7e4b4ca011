// The file commands of the window's menu and the Qt file dialog.
#include <sys/stat.h>

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "../../qt_test_helpers.h"
#include "projectfiles/OpenSave.h"
#include "projectfiles/ProfileFile.h"
#include "projectfiles/qt/FileDialogQt.h"
#include "projectfiles/qt/ProjectMenu.h"

using namespace kalteron;
using namespace kalteron::qt;
using namespace kalteron::qt::test;

namespace {

// The dialog that `show` opens, answered once it is up.
void whenDialogShows(const std::function<void(QFileDialog*)>& answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      answer(d);
    }
  });
  timer->start(10);
}

// Types a name into the dialog's file box, as a user would, and accepts it.
void typeAndAccept(QFileDialog* d, const QString& name) {
  d->findChild<QLineEdit*>("fileNameEdit")->setText(name);
  QMetaObject::invokeMethod(d, "accept");
}

}  // namespace

class ProjectMenuTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { setUp(); }

  void openShowsTheProjectAndFocusesTheRegion() {
    QTemporaryDir dir;
    Bal other;
    other.Form_Load();
    other.op.ClickZakazsik.setText("Иванов");
    other.op.ClickRegion.setText("Москва");
    const std::string name = dir.filePath("p").toStdString();
    QVERIFY(SaveRaschet(other, name));

    Harness h;
    ScriptedDialogs answers;
    answers.paths = {name + ".klt", dir.filePath("notes.txt").toStdString()};
    h.window->findChild<ProjectMenu*>()->setDialogs(&answers);

    h.focus("ClickKameraDlina");
    h.window->openAction()->trigger();
    QCOMPARE(h.edit("ClickZakazsik")->text(), QString("Иванов"));
    QCOMPARE(qobject_cast<QComboBox*>(h.w("ClickRegion"))->currentText(), QString("Москва"));
    QCOMPARE(h.focused(), QString("ClickRegion"));
    QVERIFY(h.prompter.asked.empty());

    // Refused: the message, and the focus still goes to the region.
    h.focus("ClickKameraDlina");
    h.window->openAction()->trigger();
    QCOMPARE(h.prompter.asked, std::vector<std::string>{"Файл не может быть открыт !"});
    QCOMPARE(h.focused(), QString("ClickRegion"));
    QCOMPARE(h.edit("ClickZakazsik")->text(), QString("Иванов"));
  }

  // Through the real dialog: a project whose extension is in capitals is
  // listed and opens as it is named; a pipe named as a project is refused at
  // once and the window stays usable.
  void openDialogListsAnyCaseAndRefusesAPipe() {
    QTemporaryDir home;
    const EnvironmentSet homeSet("HOME", home.path().toStdString());
    Bal other;
    other.Form_Load();
    other.op.ClickZakazsik.setText("Иванов");
    QVERIFY(SaveRaschetFile(other, home.filePath("Проект.KLT").toStdString()));
    QVERIFY(QFile(home.filePath("notes.txt")).open(QIODevice::WriteOnly));
    QCOMPARE(::mkfifo(home.filePath("f.klt").toLocal8Bit().constData(), 0644), 0);

    Harness h;
    h.window->findChild<ProjectMenu*>()->setDialogs(nullptr);
    QStringList listed;
    whenDialogShows([&](QFileDialog* d) {
      auto* model = d->findChild<QFileSystemModel*>();
      const QModelIndex folder = model->index(home.path());
      static_cast<void>(QTest::qWaitFor([&] { return model->rowCount(folder) > 0; }));
      for (int i = 0; i < model->rowCount(folder); ++i) listed << model->index(i, 0, folder).data().toString();
      typeAndAccept(d, "Проект.KLT");
    });
    h.window->openAction()->trigger();
    QCOMPARE(listed, QStringList{"Проект.KLT"});
    QCOMPARE(h.edit("ClickZakazsik")->text(), QString("Иванов"));
    QVERIFY(h.prompter.asked.empty());

    whenDialogShows([](QFileDialog* d) { typeAndAccept(d, "f.klt"); });
    h.window->openAction()->trigger();
    QCOMPARE(h.prompter.asked, std::vector<std::string>{"Файл не может быть открыт !"});
    QCOMPARE(h.edit("ClickZakazsik")->text(), QString("Иванов"));
    QVERIFY(h.window->isEnabled());
    QCOMPARE(h.bal.focus(), &h.bal.op.ClickRegion);
  }

  void newAsksAndSaveWrites() {
    QTemporaryDir dir;
    Harness h;
    ScriptedDialogs answers;
    answers.paths = {dir.filePath("before").toStdString(), dir.filePath("now").toStdString(),
                     dir.filePath("closing").toStdString()};
    h.window->findChild<ProjectMenu*>()->setDialogs(&answers);
    h.bal.op.ClickZakazsik.setText("Петров");

    h.prompter.answers = {true};
    h.window->newAction()->trigger();
    QCOMPARE(h.prompter.asked, std::vector<std::string>{"Сохранить расчет ?"});
    QCOMPARE(h.edit("ClickZakazsik")->text(), QString("Частный"));
    QCOMPARE(ReadIniString(dir.filePath("before.klt").toStdString(), "Kalteron", "1", ""), std::string("Петров"));

    h.window->saveAction()->trigger();
    QVERIFY(QFile::exists(dir.filePath("now.klt")));

    // Closing: quit and save.
    h.prompter.answers = {true, true};
    h.window->close();
    QVERIFY(QFile::exists(dir.filePath("closing.klt")));
  }

  void dialogStartsAtHomeWithTheFilters() {
    QTemporaryDir home;
    const EnvironmentSet homeSet("HOME", home.path().toStdString());
    FileDialogQt host(nullptr);
    FileDialogRequest r;
    r.save = true;
    r.startFolder = "c:/";
    r.title = "Сохранить";
    r.filterBlock = clsOpenDialog::BuildFilterString("Расчеты Kalteron (*.klt);*.klt;Все файлы (*.*);*.*");
    r.fileName = "Иванов.klt";
    QString title, folder, typed;
    QStringList filters;
    whenDialogShows([&](QFileDialog* d) {
      title = d->windowTitle();
      folder = d->directory().absolutePath();
      filters = d->nameFilters();
      if (auto* e = d->findChild<QLineEdit*>("fileNameEdit")) typed = e->text();
      QMetaObject::invokeMethod(d, "accept");
    });
    const std::string chosen = host.show(r);
    QCOMPARE(title, QString("Сохранить"));
    QCOMPARE(folder, QDir(home.path()).absolutePath());
    QCOMPARE(filters, QStringList({"Расчеты Kalteron (*.klt)", "Все файлы (*)"}));
    QCOMPARE(typed, QString("Иванов.klt"));
    QCOMPARE(QString::fromStdString(chosen), QDir(home.path()).absoluteFilePath("Иванов.klt"));

    // Cancelled.
    r.save = false;
    whenDialogShows([](QFileDialog* d) { d->reject(); });
    QCOMPARE(host.show(r), std::string());
  }
};

QTEST_MAIN(ProjectMenuTest)
#include "test_project_menu.moc"
