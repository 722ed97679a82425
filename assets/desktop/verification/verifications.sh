# Sourced by the install checks: counts the failed checks and says the result at the end.
echecs=0

echouer() {
    echo "ÉCHEC : $1" >&2
    echecs=$((echecs + 1))
}

verifier() { # message, command...
    local message=$1
    shift
    "$@" || echouer "$message"
}

conclure() { # what passed
    if [[ $echecs -ne 0 ]]; then
        echo "$echecs vérification(s) en échec" >&2
        exit 1
    fi
    echo "Toutes les vérifications $1 sont passées."
}
