"""Pixel-art drawings of the program's icon resources and the files that hold them."""
