// A synthetic screen: a gradient desktop, a dark and a light text window and a photo.
#pragma once

#include <QImage>

QImage screenPicture(int width, int height);
