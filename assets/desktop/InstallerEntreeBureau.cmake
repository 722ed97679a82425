# Run by cmake --install: writes the menu entry with the absolute paths of the launcher and
# the icon under the prefix given at install time, then installs it.

# An argument of the Exec key is quoted; inside the quotes \ " ` $ take a backslash, and the
# whole value then follows the string rule of entry files, which doubles every backslash.
# A % is doubled because the key reserves it for field codes.
function(argument_entree_bureau texte resultat)
  string(REPLACE "\\" "\\\\" texte "${texte}")
  string(REPLACE "\"" "\\\"" texte "${texte}")
  string(REPLACE "`" "\\`" texte "${texte}")
  string(REPLACE "$" "\\$" texte "${texte}")
  string(REPLACE "\\" "\\\\" texte "${texte}")
  string(REPLACE "%" "%%" texte "${texte}")
  set(${resultat} "\"${texte}\"" PARENT_SCOPE)
endfunction()

# A plain string value only needs its backslashes doubled.
function(chaine_entree_bureau texte resultat)
  string(REPLACE "\\" "\\\\" texte "${texte}")
  set(${resultat} "${texte}" PARENT_SCOPE)
endfunction()

argument_entree_bureau("${CMAKE_INSTALL_PREFIX}/bin/${ORVANE_NOM_LANCEUR}" ORVANE_EXEC)
# A package puts the icon in the system theme, where the desktop finds it by name.
if(ORVANE_ICONE_THEME)
  set(ORVANE_ICONE orvane)
else()
  chaine_entree_bureau("${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/scalable/apps/orvane.svg"
                       ORVANE_ICONE)
endif()
configure_file("${ORVANE_MODELE_ENTREE}" "${ORVANE_ENTREE_PRODUITE}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${ORVANE_ENTREE_PRODUITE}")
