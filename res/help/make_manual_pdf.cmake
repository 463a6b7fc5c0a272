# Writes a one-page PDF manual: cmake -DOUT=<file> -DTITLE=<text> -DLINES=<a|b|c> -P make_manual_pdf.cmake
# Texts are ASCII; accented letters come in as PDF octal escapes (WinAnsi), e.g. \351.
set(content "BT /F1 24 Tf 72 760 Td (${TITLE}) Tj ET\n")
set(y 720)
string(REPLACE "|" ";" line_list "${LINES}")
foreach(line IN LISTS line_list)
  string(APPEND content "BT /F1 12 Tf 72 ${y} Td (${line}) Tj ET\n")
  math(EXPR y "${y} - 18")
endforeach()
string(LENGTH "${content}" content_length)

set(objects
  "<< /Type /Catalog /Pages 2 0 R >>"
  "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>"
  "<< /Length ${content_length} >>\nstream\n${content}endstream"
  "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>")

set(pdf "%PDF-1.4\n")
set(offsets "")
set(number 1)
foreach(object IN LISTS objects)
  string(LENGTH "${pdf}" offset)
  string(APPEND offsets "${offset};")
  string(APPEND pdf "${number} 0 obj\n${object}\nendobj\n")
  math(EXPR number "${number} + 1")
endforeach()
string(LENGTH "${pdf}" xref_offset)
string(APPEND pdf "xref\n0 ${number}\n0000000000 65535 f \n")
foreach(offset IN LISTS offsets)
  if(NOT offset STREQUAL "")
    string(LENGTH "${offset}" digits)
    math(EXPR pad "10 - ${digits}")
    string(REPEAT "0" ${pad} zeros)
    string(APPEND pdf "${zeros}${offset} 00000 n \n")
  endif()
endforeach()
string(APPEND pdf "trailer\n<< /Size ${number} /Root 1 0 R >>\nstartxref\n${xref_offset}\n%%EOF\n")
file(WRITE "${OUT}" "${pdf}")
