/* Layout of the version record that our ELF files carry as a note, shared by the note
   compiled into each file and the reader. Plain C: the note itself is compiled as C. */
#pragma once

#define VERSION_NOTE_SECTION ".note.velmor.version"
#define VERSION_NOTE_OWNER "Velmor"
/* The owner's bytes with their terminating zero, padded to a multiple of four. */
#define VERSION_NOTE_OWNER_SPACE 8
#define VERSION_NOTE_TYPE 1

/* The descriptor, in 32-bit words of the file's byte order: signature, layout version, file
   version and product version, each version as a most and a least significant word that hold
   two 16-bit parts each (1.2.3.4 is 0x00010002, 0x00030004). */
#define VERSION_NOTE_SIGNATURE 0xFEEF04BDu
#define VERSION_NOTE_LAYOUT 0x00010000u
#define VERSION_NOTE_WORDS 6
