// What the user does with the listed grabs.
#include "Unit1.h"
#include "filelistbox.h"
#include "thumb.h"

void TForm1::FileBoxChange() {
    // Emptied first, so selecting the grab already shown loads it afresh: the file may have
    // been rewritten under the same name after the numbering restarted.
    Thumbnail1->setFileName(QString());
    Thumbnail1->setFileName(FileBox->FileName());
}
