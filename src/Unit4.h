#pragma once

#include "Unit2.h"

#include <QWidget>

class QToolButton;
class TQRPreview;

// The preview window: borderless and maximised, the page on the left, a narrow tool bar on
// the right with Zoom in, Zoom out, Print and Exit preview. Not modal; Exit preview only
// hides it, so the zoom carries over to the next preview.
class TForm4 : public QWidget, public CutOutFormPreview
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    TQRPreview *QRPreview1;
    QWidget *ToolBar1;
    QToolButton *ToolButton1;
    QToolButton *ToolButton2;
    QWidget *ToolButton4;
    QToolButton *ToolButton5;
    QToolButton *ToolButton6;
    QWidget *ToolButton3;

    void ToolButton6Click();
    void ToolButton5Click();
    void ToolButton1Click();
    void ToolButton2Click();

    // The cut-out form's preview hook lands here: QRPreview1 takes the run's page set, and
    // the window shows maximised in front of the others.
    void attachPageSet(std::shared_ptr<TQRPageSet> pages) override;
    void showPreviewWindow() override;
};

extern TForm4 *Form4;
