#pragma once

#include "triggerdialog.h"

// The level trigger dialog: one signal of one unit crossing its level.
class LevelTrigger : public TriggerDialog
{
    Q_OBJECT
public:
    explicit LevelTrigger(Prompter &prompter, QWidget *parent = nullptr);

public slots:
    void vxUISlotOkClicked() { close(); }
    void vxUISlotTriggerTypeSelected() { signalTypeChosen(0); }
    void vxUISlotTriggerSignalType(int) { signalTypeChosen(0); }
};
