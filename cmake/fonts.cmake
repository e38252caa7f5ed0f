# The fonts the pictures and text boxes are drawn with. They come from Debian's
# font packages and are copied beside the executables, where the program
# registers them at start-up, so every machine draws the same pictures.
set(NIZAM_FONT_FILES
  /usr/share/fonts/truetype/noto/NotoNaskhArabic-Regular.ttf
  /usr/share/fonts/truetype/noto/NotoNaskhArabic-Bold.ttf
  /usr/share/fonts/truetype/noto/NotoKufiArabic-Regular.ttf
  /usr/share/fonts/truetype/noto/NotoKufiArabic-Bold.ttf
  /usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf
  /usr/share/fonts/truetype/noto/NotoSansArabic-Bold.ttf
  /usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Regular.ttf
  /usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Bold.ttf
  /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
  /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
)
