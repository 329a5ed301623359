// A synthetic screen: flat panels, gradients and lines of text, like a real screen grab.
#pragma once

#include <QImage>

QImage screenPicture(int width, int height);
