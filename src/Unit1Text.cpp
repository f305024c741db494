#include "ContentsLines.h"
#include "Unit1.h"
#include "WrappingMemo.h"

#include <QLabel>
#include <QLineEdit>
#include <limits>

namespace {

// The text boxes show the design's title and contents again after New and Open.
class TextBoxesObserver : public DesignObserver
{
public:
    TextBoxesObserver(CaseDesign &design, TForm1 &form)
        : design_(design)
        , form_(form)
    {
        design_.addObserver(this);
    }
    ~TextBoxesObserver() override { design_.removeObserver(this); }
    void textReplaced() override { form_.showDesignText(); }

private:
    CaseDesign &design_;
    TForm1 &form_;
};

} // namespace

void TForm1::buildTextPage(QWidget *page)
{
    Label1 = new QLabel(QStringLiteral("&Title:"), page);
    Label1->move(8, 8);
    Label1->adjustSize();
    Edit1 = new QLineEdit(page);
    Edit1->setGeometry(8, 25, 265, 21);
    Edit1->setToolTip(QStringLiteral("Enter title"));
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    Label1->setBuddy(Edit1);

    Label2 = new QLabel(QStringLiteral("&Contents:"), page);
    Label2->move(8, 56);
    Label2->adjustSize();
    Memo1 = new WrappingMemo(page);
    Memo1->setGeometry(8, 76, 265, 245);
    Memo1->setToolTip(QStringLiteral("Enter contents of CD"));
    Label2->setBuddy(Memo1);

    // The boxes are the design's title and contents: every change goes straight into the
    // design, so that whatever reads it sees what the boxes show. Typing never sets modified.
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::titleEdited);
    connect(Memo1, &QTextEdit::textChanged, this, &TForm1::contentsEdited);

    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Memo1->setObjectName(QStringLiteral("Memo1"));

    textBoxesObserver_ = std::make_unique<TextBoxesObserver>(design_, *this);
    showDesignText();
}

void TForm1::titleEdited()
{
    design_.title = Edit1->text().toStdString();
}

void TForm1::contentsEdited()
{
    std::vector<std::string> shown;
    for (const QString &line : Memo1->shownLines())
        shown.push_back(line.toStdString());
    design_.contents = contentsFromShownLines(std::move(shown));
}

void TForm1::showDesignText()
{
    // Reading the boxes back gives the design exactly these lines, wrapped where the box
    // wraps them.
    Edit1->setText(QString::fromStdString(design_.title));
    Memo1->setPlainText(QString::fromStdString(contentsBoxText(design_.contents)));
}
