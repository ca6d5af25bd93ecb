"""A small RGBA raster with the few drawing operations the icon drawings need."""

TRANSPARENT = (0, 0, 0, 0)


def opaque(rgb):
    return (rgb[0], rgb[1], rgb[2], 255)


class Image:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [TRANSPARENT] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def put(self, x, y, rgb):
        """Sets one opaque pixel; points outside the image are ignored."""
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = opaque(rgb)

    def clear(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = TRANSPARENT

    def fill(self, left, top, right, bottom, rgb):
        """Fills the rectangle with inclusive corners (left, top) and (right, bottom)."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.put(x, y, rgb)

    def outline(self, left, top, right, bottom, rgb):
        for x in range(left, right + 1):
            self.put(x, top, rgb)
            self.put(x, bottom, rgb)
        for y in range(top, bottom + 1):
            self.put(left, y, rgb)
            self.put(right, y, rgb)

    def dotted_outline(self, left, top, right, bottom, rgb):
        """An outline of every other pixel, starting with the top-left corner."""
        for x in range(left, right + 1):
            for y in (top, bottom):
                if (x + y - left - top) % 2 == 0:
                    self.put(x, y, rgb)
        for y in range(top, bottom + 1):
            for x in (left, right):
                if (x + y - left - top) % 2 == 0:
                    self.put(x, y, rgb)

    def vertical_gradient(self, left, top, right, bottom, top_rgb, bottom_rgb):
        span = max(bottom - top, 1)
        for y in range(top, bottom + 1):
            t = (y - top) / span
            rgb = tuple(round(a + (b - a) * t) for a, b in zip(top_rgb, bottom_rgb))
            for x in range(left, right + 1):
                self.put(x, y, rgb)

    def art(self, left, top, rows, legend):
        """Draws ASCII art: each character is looked up in the legend; '.' and ' ' leave
        the pixel as it is."""
        for dy, row in enumerate(rows):
            for dx, char in enumerate(row):
                if char not in ". ":
                    self.put(left + dx, top + dy, legend[char])


def from_art(rows, legend):
    """A new image exactly the size of the drawing, transparent where it has '.'."""
    if len({len(row) for row in rows}) != 1:
        raise ValueError("the rows of a drawing differ in length")
    image = Image(len(rows[0]), len(rows))
    image.art(0, 0, rows, legend)
    return image

