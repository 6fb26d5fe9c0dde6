#pragma once

#include "triggerdialog.h"

// The conditional trigger dialog: two signals of one unit, "AND" or "OR".
class ConditionalTrigger : public TriggerDialog
{
    Q_OBJECT
public:
    explicit ConditionalTrigger(Prompter &prompter, QWidget *parent = nullptr);

public slots:
    void vxUISlotCloseClicked() { close(); }
    void vxUISlotTriggerTypeAClicked() { signalTypeChosen(0); }
    void vxUISlotTriggerTypeBClicked() { signalTypeChosen(1); }
    void vxUISlotATriggerSignalType(int) { signalTypeChosen(0); }
    void vxUISlotBTriggerSignalType(int) { signalTypeChosen(1); }
};
