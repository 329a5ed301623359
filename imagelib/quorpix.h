// Entry points of the quorpix image conversion module, shared by the module and its callers.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

#if defined(QUORPIX_BUILDING)
#define QUORPIX_API __attribute__((visibility("default")))
#else
#define QUORPIX_API
#endif

// Size of the scratch block every conversion call receives; the caller owns it.
#define QUORPIX_WORK_BLOCK_SIZE 1024

// Success is a nonzero low byte, failure 0. File names are NUL-terminated UTF-8; "" for none.
QUORPIX_API int _Pic_Count(void);
QUORPIX_API const char* _Pic_Description(int index);
QUORPIX_API const char* _Pic_Pattern(int index);
QUORPIX_API const char* _Pic_Extension(int index);
QUORPIX_API const char* _Pic_GetSaveFormats(void);
QUORPIX_API int _Pic_Valid(const char* file);
QUORPIX_API int _anytobmps(const char* source, const char* bmp, void* block, int photoCdSize,
                           int jpegScale);
QUORPIX_API int _anytogrey(const char* source, const char* bmp, void* block, int photoCdSize,
                           int jpegScale);
QUORPIX_API int _bmptoanys(const char* bmp, const char* destination, void* block, int format,
                           int quality);
QUORPIX_API int _Pic_Convert(const char* source, const char* destination, void* block,
                             int photoCdSizePlusOne, int jpegScale, int format, int quality);
QUORPIX_API int _WinImageShow(const char* file, int flags);

#ifdef __cplusplus
}
#endif

// Function pointer types for callers that look the entry points up by name.
typedef int (*PicCountFn)(void);
typedef const char* (*PicTextFn)(int);
typedef const char* (*PicSaveFormatsFn)(void);
typedef int (*PicValidFn)(const char*);
typedef int (*AnyToBmpFn)(const char*, const char*, void*, int, int);
typedef int (*BmpToAnyFn)(const char*, const char*, void*, int, int);
typedef int (*PicConvertFn)(const char*, const char*, void*, int, int, int, int);
typedef int (*WinImageShowFn)(const char*, int);
