#pragma once

#include <QWidget>

class ColorPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The Options dialog's "Editor" page: font, gutter, editor colours and the completion boxes.
class OptionsEditorPage : public QWidget
{
    Q_OBJECT
public:
    explicit OptionsEditorPage(QWidget *parent = nullptr);

    // Fills Fonts with the font families installed, keeping the text it shows.
    void fillFonts();
    // The family picked from the list of Fonts; empty when the name was typed (also when the
    // box then selected the entry it matches) or left as read from the settings file.
    QString pickedFont() const;
    // Shows name in Fonts without selecting an entry.
    void showFontName(const QString &name);

    // "Font options:"
    QComboBox *Fonts;
    QLineEdit *FontSize;
    QLabel *Panel2; // "Font preview"
    // "Editor gutter:"
    QCheckBox *ShowGutterCbx;
    QLabel *GutterSizeLbl; // "Gutter size:"
    QLineEdit *GutterSizeEdField;
    QCheckBox *LeedingZeroCbx;
    QCheckBox *ShowLineNrsCbx;
    // "Editor colors:"
    ColorPanel *panelGRTColor;
    ColorPanel *PanelBGColor;
    // "Code completion:"
    QCheckBox *CompPropCbx;
    QCheckBox *AutoCompCbx;

public slots:
    void FontsChange();
    void ShowGutterCbxClick();
    void panelGRTColorClick();
    void PanelBGColorClick();

private:
    // Whether the name in Fonts was typed (until an entry of another name is chosen), and the
    // text last typed.
    bool m_fontTyped = false;
    QString m_typedFont;
};
