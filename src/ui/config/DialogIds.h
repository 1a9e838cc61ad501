#ifndef TARVIK_UI_CONFIG_DIALOG_IDS_H
#define TARVIK_UI_CONFIG_DIALOG_IDS_H
// Names and control ids of the three dialog templates, shared by
// resources/dialogs.rc and the code that runs the dialogs. Macros only:
// the resource compiler reads this file as well.

// Template names, as given to DialogBoxParamA.
#define DIALOG_NAME "NAME"
#define DIALOG_SHIFT "SHIFT"
#define DIALOG_COPY "COPY"

// NAME: the edit holding the entry's label.
#define ID_NAME_EDIT 1205

// SHIFT: radios 200..203 choose device 1..4, radios 300..331 button 1..32.
#define ID_SHIFT_DEVICE_FIRST 200
#define SHIFT_DEVICE_COUNT 4
#define ID_SHIFT_BUTTON_FIRST 300
#define SHIFT_BUTTON_COUNT 32
#define ID_SHIFT_DEACTIVATE 332

// COPY: radio 200 + b names block b (0..7), the first four joysticks'
// unshifted and shifted layers.
#define ID_COPY_BLOCK_FIRST 200
#define COPY_BLOCK_COUNT 8

#endif
